// The folder list of the main window: Add through the folder browser,
// Delete, Clear and clicks in the list, each writing the folder list file.
#include <optional>
#include <string>
#include <vector>

#include "app/MainFormFixture.h"
#include "platform/commctrl.h"
#include "support/Captions.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ListView.h"

namespace {

using apptest::FolderList;
using apptest::MainFormTest;

class FolderListTest : public MainFormTest {
 protected:
  void SetUp() override {
    machine.MakeDir("C:\\Pics");
    MakePicture("C:\\Pics\\a.bmp", 10);
    Start();
  }
  void Answer(std::optional<std::string> answer) {
    sim::SetBrowseHandler([answer](const sim::BrowseCall&) { return answer; });
  }
  void AddFolders(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
      Answer(folder);
      form->ButtonAddClick(form->ButtonAdd);
    }
  }
  std::vector<std::string> Captions() { return support::Captions(form->ListViewFolders->Items()); }
};

TEST_F(FolderListTest, AddAsksTheBrowserAndAppendsTheFolderTicked) {
  Answer("C:\\Pics");
  form->ButtonAdd->Click();
  ASSERT_EQ(sim::BrowseCalls().size(), 1u);
  EXPECT_EQ(sim::BrowseCalls()[0].title, "Select Directory");
  EXPECT_EQ(sim::BrowseCalls()[0].flags, 0u);
  EXPECT_EQ(sim::BrowseCalls()[0].root, 0u);
  EXPECT_EQ(sim::BrowseCalls()[0].owner, form->Handle());
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Pics+"}));
  EXPECT_EQ(form->newItem, form->ListViewFolders->Items().Item(0));
  EXPECT_EQ(form->pickedFolder, "C:\\Pics");
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=1\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\n");
  EXPECT_EQ(form->picturePool.Count(), 1) << "the pool is rebuilt";
  EXPECT_EQ(sim::LiveItemIdLists(), 0) << "the browser's item is freed";
  // The same folder again: two entries, its pictures twice in the pool.
  form->ButtonAdd->Click();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Pics+", "C:\\Pics+"}));
  EXPECT_EQ(form->picturePool.Count(), 2);
}

TEST_F(FolderListTest, CancelOrAVirtualItemAddsNothing) {
  const std::optional<std::string> answers[] = {std::nullopt, sim::BrowseVirtualItem};
  for (const auto& answer : answers) {
    Answer(answer);
    form->ButtonAdd->Click();
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(form->pickedFolder, "");
    EXPECT_FALSE(machine.Exists(FolderList)) << "nothing is written";
    EXPECT_EQ(sim::LiveItemIdLists(), 0);
  }
}

// The selection shows only while the list has the focus.
TEST_F(FolderListTest, TheListHidesItsSelectionWithoutTheFocus) {
  const auto style = platform::GetWindowLongA(form->ListViewFolders->Handle(), platform::GwlStyle);
  EXPECT_EQ(static_cast<std::uint32_t>(style) & platform::LvsShowSelAlways, 0u);
}

TEST_F(FolderListTest, ADriveRootIsTakenAsTheBrowserReturnsIt) {
  AddFolders({"D:\\"});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"D:\\+"}));
}

TEST_F(FolderListTest, DeleteRemovesEverySelectedEntryAndKeepsThePool) {
  AddFolders({"C:\\A", "C:\\B", "C:\\Pics", "C:\\D"});
  toolkit::TListItems& items = form->ListViewFolders->Items();
  items.Item(3)->SetChecked(false);
  items.Item(0)->SetSelected(true);
  items.Item(1)->SetSelected(true);
  form->ButtonDelete->Click();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Pics+", "C:\\D-"}));
  EXPECT_EQ(machine.ReadFile(FolderList),
            "[Folders]\r\nTotal=2\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\nFolder2=C:\\D\r\n"
            "Checked Folder2=0\r\n");
  // Nothing selected: the list stays and the file is written again, with the same contents.
  const std::string written = machine.ReadFile(FolderList);
  machine.Remove(FolderList);
  form->ButtonDelete->Click();
  EXPECT_EQ(Captions().size(), 2u);
  EXPECT_EQ(machine.ReadFile(FolderList), written);
  form->ButtonClear->Click();
  EXPECT_TRUE(Captions().empty());
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=0\r\n");
  EXPECT_EQ(form->picturePool.Count(), 1) << "only Add, a drop and a start rebuild the pool";
}

TEST_F(FolderListTest, ClearOnAnEmptyListStillWritesTheFile) {
  ASSERT_FALSE(machine.Exists(FolderList));
  form->ButtonClear->Click();
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=0\r\n");
}

TEST_F(FolderListTest, AnInPlaceEditReachesTheFileAtTheNextSaveAndThePoolAtTheNextRebuild) {
  machine.MakeDir("C:\\Other");
  MakePicture("C:\\Other\\b.bmp", 20);
  AddFolders({"C:\\Pics"});
  const std::string renamed = "C:\\Other";
  sim::EditListViewLabel(form->ListViewFolders->Handle(), 0, &renamed);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Other+"}));
  const std::string emptied;
  sim::EditListViewLabel(form->ListViewFolders->Handle(), 0, &emptied);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Other+"})) << "an emptied label names no folder";
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=1\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\n")
      << "an edit writes nothing by itself";
  sim::ClickListViewItem(form->ListViewFolders->Handle(), 0, false);
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=1\r\nFolder1=C:\\Other\r\nChecked Folder1=1\r\n");
  ASSERT_EQ(form->picturePool.Count(), 1);
  EXPECT_EQ(form->picturePool.Strings(0), "C:\\Pics\\a.bmp") << "not rebuilt by the edit or the click";
  AddFolders({"C:\\Missing"});
  ASSERT_EQ(form->picturePool.Count(), 1);
  EXPECT_EQ(form->picturePool.Strings(0), "C:\\Other\\b.bmp") << "the next Add scans the new text";
}

TEST_F(FolderListTest, AClickInTheListWritesTheFolderListOnly) {
  AddFolders({"C:\\Pics", "C:\\Pics"});
  const platform::Hwnd list = form->ListViewFolders->Handle();
  auto file = [](char first, char second) {
    return std::string("[Folders]\r\nTotal=2\r\nFolder1=C:\\Pics\r\nChecked Folder1=") + first +
           "\r\nFolder2=C:\\Pics\r\nChecked Folder2=" + second + "\r\n";
  };
  // The list view reports a click before it turns the box over: the save of
  // a click on a check box finds that box as it stood, the next save brings it.
  sim::ClickListViewCheckBox(list, 0);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Pics-", "C:\\Pics+"}));
  EXPECT_EQ(machine.ReadFile(FolderList), file('1', '1'));
  sim::ClickListViewCheckBox(list, 1);
  EXPECT_EQ(machine.ReadFile(FolderList), file('0', '1'));
  sim::ClickListViewItem(list, 0, false);
  EXPECT_EQ(machine.ReadFile(FolderList), file('0', '0'));
  EXPECT_EQ(form->picturePool.Count(), 2) << "the unticked folders' pictures stay until the next rebuild";
}

TEST_F(FolderListTest, AFailedSaveStopsAddBeforeThePoolIsRebuilt) {
  sim::DenyWritesUnder("C:\\Muralto\\data");
  Answer("C:\\Pics");
  // Through the message loop, whose handler shows the failure.
  platform::PostMessageA(form->ButtonAdd->Handle(), platform::BmClick, 0, 0);
  sim::DispatchPending();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Pics+"}));
  EXPECT_EQ(form->picturePool.Count(), 0);
  ASSERT_EQ(sim::MessageBoxes().size(), 1u);
  EXPECT_EQ(sim::MessageBoxes()[0].text, "Unable to write to C:\\Muralto\\data\\folders.ini.");
}

}  // namespace
