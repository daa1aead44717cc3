// The main window's layout table: its tray menu reaching the handlers, and
// the table's errors.
#include <gtest/gtest.h>

#include "resources/layouts/Layouts.h"
#include "shell/LayoutClasses.h"
#include "toolkit/GuiTest.h"
#include "toolkit/forms/Layout.h"
#include "toolkit/forms/Menus.h"

namespace {

class LayoutTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    for (const char* name : {"FormCreate",
                             "ButtonStartClick",
                             "ButtonAddClick",
                             "RadioGroupPositionClick",
                             "ListViewFoldersClick",
                             "CSpinEditHourChange",
                             "CSpinEditMinChange",
                             "CSpinEditSecChange",
                             "ButtonDeleteClick",
                             "ButtonClearClick",
                             "RadioGroupSelectionClick",
                             "Timer1Timer",
                             "PRestoreClick",
                             "PMChangeClick",
                             "PMShowIconsClick",
                             "PMHideIconsClick",
                             "PExitClick",
                             "MExitClick",
                             "MOptionsClick",
                             "MLangEnglishClick",
                             "MLangRussianClick",
                             "MAboutClick"}) {
      handlers.Add(name, [this, name](toolkit::TObject*) { calls.push_back(name); });
    }
    handlers.Add("FormClose", [](toolkit::TObject*, toolkit::TCloseAction&) {});
    handlers.Add("FormKeyDown", [](toolkit::TObject*, std::uint16_t&, toolkit::TShiftState) {});
    handlers.Add("StDropFiles1DropFiles",
                 [this](toolkit::TObject*, platform::Point) { calls.push_back("StDropFiles1DropFiles"); });
  }
  template <class T>
  T* Get(const char* name) {
    auto* found = dynamic_cast<T*>(main->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  toolkit::TLayoutHandlers handlers;
  std::vector<std::string> calls;
  toolkit::TForm* main = nullptr;
};

TEST_F(LayoutTest, TrayMenuPopsUpAndItsChoiceReachesTheHandler) {
  main = toolkit::TComponent::Create<toolkit::TForm>(app.get());
  toolkit::LoadLayout(main, muralto::LayoutText("main"), handlers, {&muralto::RegisterShellLayoutClasses});
  auto* popup = Get<toolkit::TPopupMenu>("PopupMenu1");
  sim::SetPopupChoice(Get<toolkit::TMenuItem>("PMChange")->Command());
  popup->Popup(800, 600);
  sim::DispatchPending();
  ASSERT_EQ(sim::PopupCalls().size(), 1u);
  EXPECT_EQ(sim::PopupCalls()[0].x, 800);
  std::vector<std::string> captions;
  for (const auto& item : sim::MenuItems(sim::PopupCalls()[0].menu)) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Restore", "Change Now", "-", "Show Desktop Icons",
                                                "Hide Desktop Icons", "-", "Exit"}));
  EXPECT_EQ(calls, std::vector<std::string>{"PMChangeClick"});
}

TEST_F(LayoutTest, MalformedTablesFailWithTheLine) {
  struct Row {
    const char* text;
    const char* message;
  } rows[] = {
      {"TForm1 F\n  Caption \"x\n", "Layout line 2: unterminated text"},
      {"TForm1 F\nTWidget W in F\n", "Layout line 2: unknown class 'TWidget'"},
      {"TForm1 F\nTButton B in F\n  Colour 3\n", "Layout line 3: 'B' has no setting 'Colour'"},
      {"TForm1 F\nTButton B in F\n  OnClick Nowhere\n", "Layout line 3: no handler 'Nowhere'"},
      {"TForm1 F\nTButton B in Nobody\n", "Layout line 2: no parent 'Nobody' above this line"},
      {"TForm1 F\nTButton B in F\n  Bounds 1 2 x 4\n", "Layout line 3: 'x' is not a number"},
      {"  Caption \"x\"\n", "Layout line 1: a setting before any component"},
      {"TForm1 F\nTButton B in F\nTButton B in F\n", "Layout line 3: a second component named 'B'"},
      {"# nothing\n", "Layout: no components"},
  };
  for (const Row& row : rows) {
    auto* f = toolkit::TComponent::Create<toolkit::TForm>(app.get());
    try {
      toolkit::LoadLayout(f, row.text, handlers, {&muralto::RegisterShellLayoutClasses});
      ADD_FAILURE() << "no failure for: " << row.text;
    } catch (const toolkit::Exception& e) {
      EXPECT_EQ(e.Message(), row.message) << row.text;
    }
    toolkit::TComponent::Free(f);
  }
}

}  // namespace
