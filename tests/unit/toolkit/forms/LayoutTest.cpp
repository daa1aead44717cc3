// The main window built from its layout table, and the table's errors.
#include <gtest/gtest.h>

#include "resources/layouts/Layouts.h"
#include "shell/LayoutClasses.h"
#include "shell/SpinEdit.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/forms/Layout.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/forms/Timer.h"

namespace {

class LayoutTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    muralto::RegisterShellLayoutClasses();
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

TEST_F(LayoutTest, MainWindowStandsAsDesigned) {
  main = toolkit::TComponent::Create<toolkit::TForm>(app.get());
  toolkit::LoadLayout(main, muralto::LayoutText("main"), handlers);
  EXPECT_EQ(main->WindowClassName(), "TForm1");
  EXPECT_EQ(main->Caption(), "Muralto 1.2");
  EXPECT_EQ(main->ClientWidth(), 386);
  EXPECT_EQ(main->ClientHeight(), 310);
  EXPECT_EQ(main->BorderIcons(), unsigned{toolkit::biSystemMenu | toolkit::biMinimize});
  EXPECT_FALSE(main->KeyPreview());
  EXPECT_TRUE(calls.empty()) << "no handler runs while the layout loads";

  struct Row {
    const char* name;
    platform::Rect bounds;
    int tabOrder;
    const char* text;
  } rows[] = {
      {"ButtonStart", {264, 256, 377, 281}, 0, "Start"},
      {"ButtonAdd", {8, 256, 89, 281}, 1, "Add"},
      {"RadioGroupPosition", {264, 72, 377, 145}, 3, " Position "},
      {"ListViewFolders", {8, 8, 258, 249}, 4, ""},
      {"GroupBoxInterval", {264, 152, 377, 249}, 5, " Interval "},
      {"CSpinEditHour", {64, 16, 105, 38}, 0, "0"},
      {"CSpinEditMin", {64, 40, 105, 62}, 1, "0"},
      {"CSpinEditSec", {64, 64, 105, 86}, 2, "0"},
      {"ButtonDelete", {96, 256, 171, 281}, 6, "Delete"},
      {"ButtonClear", {176, 256, 259, 281}, 7, "Clear"},
      {"RadioGroupSelection", {264, 8, 377, 65}, 8, " Selection "},
  };
  for (const Row& row : rows) {
    auto* c = Get<toolkit::TWinControl>(row.name);
    if (!c) continue;
    platform::Rect b = c->BoundsRect();
    EXPECT_EQ(std::vector<int>({b.left, b.top, b.right, b.bottom}),
              std::vector<int>({row.bounds.left, row.bounds.top, row.bounds.right, row.bounds.bottom}))
        << row.name;
    EXPECT_EQ(c->TabOrder(), row.tabOrder) << row.name;
    EXPECT_EQ(c->Text(), row.text) << row.name;
  }
  EXPECT_EQ(Get<toolkit::TRadioGroup>("RadioGroupSelection")->Items(),
            (std::vector<std::string>{"Random", "Sequential"}));
  EXPECT_EQ(Get<toolkit::TRadioGroup>("RadioGroupPosition")->ItemIndex(), 0);
  auto* hours = Get<muralto::TCSpinEdit>("CSpinEditHour");
  EXPECT_EQ(hours->MaxValue(), 24);
  EXPECT_EQ(hours->Parent(), Get<toolkit::TWinControl>("GroupBoxInterval"));
  EXPECT_EQ(Get<muralto::TCSpinEdit>("CSpinEditSec")->MaxValue(), 59);
  auto* timer = Get<toolkit::TTimer>("Timer1");
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 2000u);
  auto* list = Get<toolkit::TListView>("ListViewFolders");
  EXPECT_TRUE(list->Checkboxes());
  EXPECT_TRUE(list->MultiSelect());
  EXPECT_EQ(list->ColumnCaption(), "Folders");
  EXPECT_EQ(list->ColumnWidth(), 225);

  main->Show();
  platform::Hmenu bar = platform::GetMenu(main->Handle());
  std::vector<std::string> captions;
  for (const auto& item : sim::MenuItems(bar)) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"File", "Settings", "Help"}));
  auto settings = sim::MenuItems(sim::MenuItems(bar)[1].submenu);
  auto language = sim::MenuItems(settings[1].submenu);
  ASSERT_EQ(language.size(), 2u);
  EXPECT_EQ(language[0].caption, "English");
  EXPECT_TRUE(language[0].flags & platform::MfChecked);
  // A menu command reaches the item's handler.
  platform::SendMessageA(main->Handle(), platform::WmCommand, Get<toolkit::TMenuItem>("MAbout")->Command(), 0);
  platform::SendMessageA(Get<toolkit::TButton>("ButtonAdd")->Handle(), platform::BmClick, 0, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"MAboutClick", "ButtonAddClick"}));
}

TEST_F(LayoutTest, TrayMenuPopsUpAndItsChoiceReachesTheHandler) {
  main = toolkit::TComponent::Create<toolkit::TForm>(app.get());
  toolkit::LoadLayout(main, muralto::LayoutText("main"), handlers);
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
      toolkit::LoadLayout(f, row.text, handlers);
      ADD_FAILURE() << "no failure for: " << row.text;
    } catch (const toolkit::Exception& e) {
      EXPECT_EQ(e.Message(), row.message) << row.text;
    }
    toolkit::TComponent::Free(f);
  }
}

}  // namespace
