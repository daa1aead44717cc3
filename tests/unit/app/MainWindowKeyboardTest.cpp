// The main window by the keyboard: the whole Tab cycle and back, the arrows
// in both radio groups with their saves, the space bar on a folder's check
// box writing the folder list file.
#include <map>
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "shell/SpinEdit.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/GroupButton.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"

namespace {

using apptest::FolderList;
using apptest::MainFormTest;
using apptest::MainIni;

class MainWindowKeyboardTest : public MainFormTest {
 protected:
  void SetUp() override {
    machine.MakeDir("C:\\Pics");
    WriteFolderList("C:\\Pics");
    WriteSettings(1, 2, 0, 0, 5);  // Sequential, Tiled
    Start();
    form->Show();
  }
  void Press(int vk, bool shift = false) {
    sim::SetKeyDown(platform::VkShift, shift);
    platform::PostMessageA(platform::GetFocus(), platform::WmKeyDown, static_cast<platform::Wparam>(vk), 0);
    app->ProcessMessages();
    sim::SetKeyDown(platform::VkShift, false);
  }
  // The focused control by name; a radio button by its item.
  std::string Focused() {
    platform::Hwnd focus = platform::GetFocus();
    std::map<platform::Hwnd, std::string> names{
        {form->ButtonStart->Handle(), "ButtonStart"},         {form->ButtonAdd->Handle(), "ButtonAdd"},
        {form->ButtonDelete->Handle(), "ButtonDelete"},       {form->ButtonClear->Handle(), "ButtonClear"},
        {form->ListViewFolders->Handle(), "ListViewFolders"}, {form->CSpinEditHour->Handle(), "CSpinEditHour"},
        {form->CSpinEditMin->Handle(), "CSpinEditMin"},       {form->CSpinEditSec->Handle(), "CSpinEditSec"}};
    for (toolkit::TRadioGroup* group : {form->RadioGroupPosition, form->RadioGroupSelection}) {
      for (int i = 0; i < group->ButtonCount(); ++i) names[group->Buttons(i)->Handle()] = group->Items()[i];
    }
    auto it = names.find(focus);
    return it == names.end() ? "something else" : it->second;
  }
};

TEST_F(MainWindowKeyboardTest, TabGoesRoundInTheTabOrderAndShiftTabBack) {
  const std::vector<std::string> cycle{"ButtonStart",   "ButtonAdd",    "Tiled",        "ListViewFolders",
                                       "CSpinEditHour", "CSpinEditMin", "CSpinEditSec", "ButtonDelete",
                                       "ButtonClear",   "Sequential",   "ButtonStart"};
  const std::string settings = machine.ReadFile(MainIni);
  ASSERT_EQ(Focused(), cycle.front()) << "the first control has the focus when the window shows";
  std::vector<std::string> forward{Focused()};
  for (std::size_t i = 1; i < cycle.size(); ++i) {
    Press(platform::VkTab);
    forward.push_back(Focused());
  }
  EXPECT_EQ(forward, cycle);
  std::vector<std::string> backward{Focused()};
  for (std::size_t i = 1; i < cycle.size(); ++i) {
    Press(platform::VkTab, true);
    backward.push_back(Focused());
  }
  EXPECT_EQ(backward, std::vector<std::string>(cycle.rbegin(), cycle.rend()));
  EXPECT_EQ(machine.ReadFile(MainIni), settings) << "passing through changes nothing";
}

TEST_F(MainWindowKeyboardTest, ArrowsInEitherGroupChooseAndSaveAtOnce) {
  struct Row {
    int tabs;  // from the first control to the group
    int key;
    std::string focused;
    std::string saved;
  } rows[] = {
      {2, platform::VkDown, "Centered", "Position=0"},  // round from the last item
      {0, platform::VkRight, "Stretched", "Position=1"},  {0, platform::VkUp, "Centered", "Position=0"},
      {9, platform::VkDown, "Random", "Selection=0"},  // the Selection group, round too
      {0, platform::VkLeft, "Sequential", "Selection=1"},
  };
  for (const Row& row : rows) {
    if (row.tabs > 0) {
      form->ButtonStart->SetFocus();
      for (int i = 0; i < row.tabs; ++i) Press(platform::VkTab);
    }
    machine.Remove(MainIni);
    Press(row.key);
    EXPECT_EQ(Focused(), row.focused) << row.saved;
    ASSERT_TRUE(machine.Exists(MainIni)) << row.saved << ": the handler saves";
    EXPECT_NE(machine.ReadFile(MainIni).find(row.saved + "\r\n"), std::string::npos) << row.saved;
  }
  EXPECT_EQ(form->selectionMode, 1);
  EXPECT_EQ(form->positionMode, 0);
}

// The change handler reads the value at once, and an empty field reads as the minimum.
TEST_F(MainWindowKeyboardTest, DeletingTheWholeHourTextPutsZeroBackAndSavesItAtOnce) {
  form->CSpinEditHour->SetValue(7);
  form->ButtonStart->SetFocus();
  for (int i = 0; i < 4; ++i) Press(platform::VkTab);
  ASSERT_EQ(Focused(), "CSpinEditHour");
  machine.Remove(MainIni);
  Press(platform::VkBack);
  EXPECT_EQ(form->CSpinEditHour->Text(), "0");
  EXPECT_EQ(form->hours, 0);
  EXPECT_NE(machine.ReadFile(MainIni).find("Hour=0\r\n"), std::string::npos);
}

// A keyboard change of a check mark is kept by the list and reaches the file
// with the next save of the folder list, not at once as a mouse click does.
TEST_F(MainWindowKeyboardTest, SpaceOnAFoldersCheckBoxReachesTheFolderListAtTheNextSave) {
  toolkit::TListView* list = form->ListViewFolders;
  list->SetFocus();
  sim::ClickListViewItem(list->Handle(), 0, false);
  machine.Remove(FolderList);
  Press(platform::VkSpace);
  EXPECT_FALSE(list->Items().Item(0)->Checked());
  EXPECT_FALSE(machine.Exists(FolderList)) << "the key alone writes nothing";
  form->Close();
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=1\r\nFolder1=C:\\Pics\r\nChecked Folder1=0\r\n");
}

}  // namespace
