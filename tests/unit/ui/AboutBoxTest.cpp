// The About box: the link's colour and pointer as the mouse moves over the
// dialog, the address a press on the link opens, and how the dialog closes.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/mouse_world.h"
#include "platform/sim/shell_world.h"
#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"
#include "toolkit/forms/Application.h"
#include "ui/AboutBox.h"

namespace {

constexpr toolkit::TColor kBlue = 0xFF0000;
constexpr toolkit::TColor kRed = 0x0000FF;

class AboutBoxTest : public ::testing::Test {
 protected:
  AboutBoxTest() {
    sim::Reset();
    app = std::make_unique<toolkit::TApplication>(nullptr);
    app->Initialize();
    box = toolkit::TComponent::Create<muralto::TAboutBox>(app.get());
  }
  ~AboutBoxTest() override {
    sim::SetIdleHandler(nullptr);
    app.reset();
    sim::Reset();
  }

  // Shows the box modally, does what the user does while it is open, then
  // presses Enter on whatever has the focus; the modal result. Should the
  // box still be open after that, its close box ends it (result 2).
  int RunModal(const std::function<void()>& whileOpen) {
    int idles = 0;
    sim::SetIdleHandler([&] {
      if (idles++ == 0) {
        whileOpen();
        platform::PostMessageA(platform::GetFocus(), platform::WmKeyDown, platform::VkReturn, 0);
      } else {
        platform::PostMessageA(box->Handle(), platform::WmClose, 0, 0);
      }
    });
    int result = box->ShowModal();
    sim::SetIdleHandler(nullptr);
    return result;
  }

  // A point of the box's client area inside a control: offset from its
  // top-left corner.
  static platform::Point At(toolkit::TControl* control, int dx = 3, int dy = 3) {
    platform::Point p{control->Left() + dx, control->Top() + dy};
    for (toolkit::TControl* c = control->Parent(); c && c->Parent(); c = c->Parent()) {
      p.x += c->Left();
      p.y += c->Top();
    }
    return p;
  }
  platform::Hwnd Move(platform::Point p) { return sim::MoveMouse(box->Handle(), p.x, p.y); }

  std::unique_ptr<toolkit::TApplication> app;
  muralto::TAboutBox* box = nullptr;
};

// What the link shows as the pointer goes over the dialog; the first row
// starts with the box just opened.
TEST_F(AboutBoxTest, TheLinkTurnsRedUnderThePointerAndBlueOnlyOverTheBarePanel) {
  struct Row {
    const char* what;
    std::function<platform::Point()> where;
    toolkit::TWinControl* taker;
    toolkit::TColor color;
    int cursor;
  };
  const std::vector<Row> rows = {
      {"over the link", [&] { return At(box->LabelSite); }, box->LabelSite, kRed, platform::IdcHand},
      {"onto the title", [&] { return At(box->LabelTitle); }, box->LabelTitle, kRed, platform::IdcArrow},
      {"onto the e-mail", [&] { return At(box->LabelEmail); }, box->LabelEmail, kRed, platform::IdcArrow},
      {"onto the icon", [&] { return At(box->ProgramIcon, 16, 16); }, box->ProgramIcon, kRed, platform::IdcArrow},
      {"onto the OK button", [&] { return At(box->OKButton, 10, 10); }, box->OKButton, kRed, platform::IdcArrow},
      {"back over the link", [&] { return At(box->LabelSite, 100, 6); }, box->LabelSite, kRed, platform::IdcHand},
      {"onto the bare panel", [&] { return At(box->Panel1, 250, 40); }, box->Panel1, kBlue, platform::IdcArrow},
      {"onto the panel's bevel", [&] { return At(box->Panel1, 1, 100); }, box->Panel1, kBlue, platform::IdcArrow},
      {"over the link again", [&] { return At(box->LabelSite); }, box->LabelSite, kRed, platform::IdcHand},
      {"off the panel onto the dialog",
       [&] {
         return platform::Point{4, 4};
       },
       box, kRed, platform::IdcArrow},
  };
  EXPECT_EQ(RunModal([&] {
              for (const Row& row : rows) {
                EXPECT_EQ(Move(row.where()), row.taker->Handle()) << row.what;
                EXPECT_EQ(box->LabelSite->Font().Color, row.color) << row.what;
                EXPECT_EQ(sim::CursorShape(), row.cursor) << row.what;
              }
            }),
            toolkit::mrOk);
  // The colour is the label's own: the next opening shows it as it was.
  std::vector<toolkit::TColor> seen;
  RunModal([&] {
    seen.push_back(box->LabelSite->Font().Color);
    Move(At(box->Panel1, 250, 40));
  });
  RunModal([&] { seen.push_back(box->LabelSite->Font().Color); });
  EXPECT_EQ(seen, (std::vector<toolkit::TColor>{kRed, kBlue}));
}

// Each button pressed on the link opens its text as it is then.
TEST_F(AboutBoxTest, AnyButtonOnTheLinkOpensItsCurrentText) {
  struct Row {
    const char* what;
    std::optional<std::string> newText;  // as a language file sets it
    sim::MouseButton button;
  };
  const Row rows[] = {
      {"left button, design address", std::nullopt, sim::MouseButton::Left},
      {"right button", std::nullopt, sim::MouseButton::Right},
      {"middle button", std::nullopt, sim::MouseButton::Middle},
      {"after a language file's address", "https://example.net/muralto", sim::MouseButton::Left},
      {"an empty link", "", sim::MouseButton::Right},
  };
  for (const Row& row : rows) {
    if (row.newText) box->LabelSite->SetCaption(*row.newText);
    std::string expected = box->LabelSite->Caption();
    sim::ExecuteCalls().clear();
    EXPECT_EQ(RunModal([&] {
                EXPECT_EQ(sim::ClickMouse(box->Handle(), At(box->LabelSite, 2).x, At(box->LabelSite, 2).y, row.button),
                          box->LabelSite->Handle())
                    << row.what;
                EXPECT_TRUE(box->Visible()) << row.what << ": the dialog stays open";
              }),
              toolkit::mrOk)
        << row.what;
    ASSERT_EQ(sim::ExecuteCalls().size(), 1u) << row.what;
    const sim::ExecuteCall& call = sim::ExecuteCalls()[0];
    EXPECT_EQ(call.owner, box->Handle()) << row.what;
    EXPECT_EQ(call.verb, std::nullopt) << row.what;
    EXPECT_EQ(call.file, expected) << row.what;
    EXPECT_EQ(call.parameters, std::nullopt) << row.what;
    EXPECT_EQ(call.directory, std::nullopt) << row.what;
    EXPECT_EQ(call.showCommand, platform::SwShowNormal) << row.what;
  }
}

TEST_F(AboutBoxTest, EnterAndTheCloseBoxEndTheDialog) {
  EXPECT_EQ(RunModal([] {}), toolkit::mrOk) << "Enter presses the OK button";
  EXPECT_FALSE(box->Visible());
  sim::SetIdleHandler([&] { platform::PostMessageA(box->Handle(), platform::WmSysCommand, platform::ScClose, 0); });
  EXPECT_EQ(box->ShowModal(), toolkit::mrCancel);
  EXPECT_FALSE(box->Visible());
}

}  // namespace
