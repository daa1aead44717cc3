// Folders dropped onto the main window's folder list through the simulated
// shell: what joins the list, the refusals, the folder list file and the
// pool, and where on the window a drop is taken at all.
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "platform/dialogs.h"
#include "platform/sim/dragdrop_world.h"
#include "shell/DropFiles.h"
#include "support/BoxTexts.h"
#include "support/Captions.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ListView.h"

namespace {

using support::BoxTexts;

using apptest::FolderList;
using apptest::MainFormTest;

const char* const Refusal = "Please, drag folders only";

class FolderDropTest : public MainFormTest {
 protected:
  void SetUp() override {
    machine.MakeDir("C:\\Pics");
    machine.MakeDir("C:\\More");
    machine.WriteFile("C:\\notes.txt", "x");
    MakePicture("C:\\Pics\\a.bmp", 10);
    MakePicture("C:\\More\\b.bmp", 12);
    // Each box records how many folders the list held when it opened.
    sim::SetMessageBoxHandler([this](const sim::MessageBoxCall&) {
      listCountAtBox.push_back(form->ListViewFolders->Items().Count());
      return platform::IdOk;
    });
  }
  void TearDown() override { sim::UnmapDrive('D'); }
  void Drop(const std::vector<std::string>& paths) {
    ASSERT_EQ(sim::DropFiles(form->ListViewFolders->Handle(), paths, {20, 30}), form->ListViewFolders->Handle());
    sim::DispatchPending();
  }
  std::vector<std::string> Captions() { return support::Captions(form->ListViewFolders->Items()); }
  std::vector<int> listCountAtBox;
};

TEST_F(FolderDropTest, FoldersJoinTheListTickedAndEveryOtherItemIsRefusedInDropOrder) {
  struct Row {
    const char* what;
    std::vector<std::string> dropped;
    std::vector<std::string> captions;  // the list afterwards
    std::vector<int> boxesAt;           // list size when each refusal opened
  } const rows[] = {
      {"two folders and a file between them",
       {"C:\\Pics", "C:\\notes.txt", "C:\\More"},
       {"C:\\Pics+", "C:\\More+"},
       {1}},
      {"a file first", {"C:\\notes.txt", "C:\\Pics"}, {"C:\\Pics+"}, {0}},
      {"a drive's root folder", {"D:\\"}, {"D:\\+"}, {}},
      {"a vanished folder and a file", {"C:\\Gone", "C:\\notes.txt"}, {}, {0, 0}},
      {"the same folder twice", {"C:\\Pics", "C:\\Pics"}, {"C:\\Pics+", "C:\\Pics+"}, {}},
  };
  Start();
  sim::MapDrive('D', machine.Host("C:\\DriveD"));
  machine.MakeDir("C:\\DriveD");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    form->ButtonClearClick(nullptr);
    sim::MessageBoxes().clear();
    listCountAtBox.clear();
    Drop(row.dropped);
    EXPECT_EQ(Captions(), row.captions);
    EXPECT_EQ(listCountAtBox, row.boxesAt);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>(row.boxesAt.size(), Refusal));
    for (const auto& box : sim::MessageBoxes()) {
      EXPECT_EQ(box.caption, "Muralto 1.2");
      EXPECT_EQ(box.owner, 0u) << "nothing of the program shown: the box stands alone";
      EXPECT_EQ(box.type & 0xFFu, platform::MbOk) << "one OK button and no icon";
    }
    if (!row.captions.empty()) {
      EXPECT_EQ(form->newItem, form->ListViewFolders->Items().Item(static_cast<int>(row.captions.size()) - 1));
    }
    EXPECT_EQ(sim::LiveDrops(), 0);
  }
}

TEST_F(FolderDropTest, EveryDropWritesTheFolderListAndRebuildsThePool) {
  WriteFolderList("C:\\Pics");
  Start();
  ASSERT_EQ(form->picturePool.Count(), 1);
  // A picture that only a rebuild finds, and a folder list file that only a
  // save brings back.
  MakePicture("C:\\Pics\\c.bmp", 14);
  machine.Remove(FolderList);
  Drop({"C:\\notes.txt"});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Pics+"}));
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=1\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\n");
  EXPECT_EQ(form->picturePool.Count(), 2) << "a drop of files only still rebuilds the pool";

  Drop({"C:\\More"});
  EXPECT_EQ(machine.ReadFile(FolderList),
            "[Folders]\r\nTotal=2\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\nFolder2=C:\\More\r\n"
            "Checked Folder2=1\r\n");
  EXPECT_EQ(form->picturePool.Count(), 3);
}

TEST_F(FolderDropTest, AFailedSaveIsShownBeforeThePoolIsRebuiltAndTheDropIsStillReleased) {
  Start();
  sim::DenyWritesUnder("C:\\Muralto\\data");
  Drop({"C:\\Pics"});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\Pics+"}));
  EXPECT_EQ(form->picturePool.Count(), 0) << "the save comes first and its failure ends the handler";
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Unable to write to C:\\Muralto\\data\\folders.ini."}));
  EXPECT_EQ(sim::LiveDrops(), 0);
}

TEST_F(FolderDropTest, OnlyTheFolderListTakesDrops) {
  Start();
  EXPECT_FALSE(form->StDropFiles1->Hooked()) << "no window yet: the set-up is not visible to other programs";
  form->HandleNeeded();
  EXPECT_TRUE(form->StDropFiles1->Hooked());
  EXPECT_EQ(form->StDropFiles1->DropTarget(), form->ListViewFolders);
  EXPECT_EQ(sim::DropFiles(form->Handle(), {"C:\\Pics"}, {300, 20}), 0u) << "the window itself";
  EXPECT_EQ(sim::DropFiles(form->ButtonAdd->Handle(), {"C:\\Pics"}, {5, 5}), 0u) << "a button on it";
  sim::DispatchPending();
  EXPECT_TRUE(Captions().empty());
  EXPECT_FALSE(machine.Exists(FolderList));
}

TEST_F(FolderDropTest, APathCutByTheShellIsTestedAsCut) {
  // A folder whose path is exactly 259 characters long; the dropped path
  // goes on below it, into a folder that does not exist.
  std::string folder = "C:";
  while (folder.size() < 259) folder += "\\" + std::string(std::min<std::size_t>(100, 259 - folder.size() - 1), 'd');
  ASSERT_EQ(folder.size(), 259u);
  machine.MakeDir(folder);
  Start();
  Drop({folder + "\\missing"});
  EXPECT_EQ(Captions(), (std::vector<std::string>{folder + "+"}));
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

TEST_F(FolderDropTest, ASecondDropWhileARefusalIsOpenLosesNothing) {
  Start();
  bool dropped = false;
  sim::SetMessageBoxHandler([&](const sim::MessageBoxCall&) {
    if (!dropped) {
      dropped = true;
      sim::DropFiles(form->ListViewFolders->Handle(), {"C:\\More"}, {1, 1});
      sim::DispatchPending();  // the box's own loop takes the second drop
    }
    return platform::IdOk;
  });
  Drop({"C:\\notes.txt", "C:\\Pics"});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C:\\More+", "C:\\Pics+"}));
  EXPECT_EQ(form->picturePool.Count(), 2);
}

}  // namespace
