#include "app/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/IniFileReference.h"
#include "platform/sim/world.h"
#include "support/TestMachine.h"
#include "toolkit/core/Exceptions.h"

namespace {

using muralto::MainWindowState;

const std::string MainIni = "C:\\Muralto\\Muralto.ini";
const std::string FolderList = "C:\\Muralto\\data\\folders.ini";

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    state.SetFolders(&folders);
    state.folderListPath = FolderList;
  }
  void AddFolder(const std::string& caption, bool checked) {
    toolkit::TListItem* item = folders.Add();
    item->SetCaption(caption);
    item->SetChecked(checked);
  }

  support::TestMachine machine;
  toolkit::TListItems folders;
  MainWindowState state;
};

TEST_F(SettingsTest, TheMainSettingsFileIsNamedAfterTheExecutable) {
  EXPECT_EQ(muralto::MainSettingsPath(), MainIni);
  sim::SetModuleFileName("C:\\Muralto\\Other.Name.exe");
  EXPECT_EQ(muralto::MainSettingsPath(), "C:\\Muralto\\Other.Name.ini");
  sim::SetModuleFileName("C:\\Muralto.d\\noext");
  EXPECT_EQ(muralto::MainSettingsPath(), "C:\\Muralto.d\\noext.ini");
}

TEST_F(SettingsTest, StoredValuesAreReadAsTheyAre) {
  struct Row {
    const char* file;
    const char* language;
    bool autoStart, tray;
    int selection, position, hours, minutes, seconds;
  };
  const Row rows[] = {
      // sections and keys in any case, blanks around a value dropped; no range check here
      {"[OPTIONS]\r\nlanguage=  Russian  \r\nAuto Start=yes\r\nTRAY=0\r\nSelection=5\r\nPosition=-3\r\n"
       "[Pause]\r\nHOUR=0x10\r\nMin=010\r\nSec=ten\r\n",
       "Russian", true, false, 5, -3, 16, 10, 0},
      // any number but 0 is true; an empty or unreadable number takes the key's own default
      {"[Options]\r\nAuto Start=2\r\ntray=-1\r\nSelection=x\r\n[Pause]\r\nHour=\r\nMin=ten\r\nSec=59\r\n", "English",
       true, true, 0, 0, 1, 0, 59},
      {"[Options]\r\nAuto Start=0\r\nLanguage=\r\n[Pause]\r\nHour=ten\r\nMin=\r\nSec=\r\n", "", false, true, 0, 0, 1, 0,
       0},
      // no file: every default
      {nullptr, "English", true, true, 0, 0, 1, 0, 0},
  };
  for (const Row& row : rows) {
    machine.Remove(MainIni);
    if (row.file) machine.WriteFile(MainIni, row.file);
    muralto::LoadSettings(state);
    const std::string where = row.file ? row.file : "no file";
    EXPECT_EQ(state.languageName, row.language) << where;
    EXPECT_EQ(state.autoStart, row.autoStart) << where;
    EXPECT_EQ(state.showTray, row.tray) << where;
    EXPECT_EQ(std::vector<int>({state.selectionMode, state.positionMode, state.hours, state.minutes, state.seconds}),
              std::vector<int>({row.selection, row.position, row.hours, row.minutes, row.seconds}))
        << where;
  }
}

TEST_F(SettingsTest, ASaveKeepsUnknownKeysAndTheirPlaces) {
  machine.WriteFile(MainIni, "[Extra]\r\nmine=1\r\n[Options]\r\nLanguage=Russian\r\nfuture=x\r\n[Pause]\r\nHour=3\r\n");
  muralto::LoadSettings(state);
  state.hours = -2;
  muralto::SaveSettings(state);
  EXPECT_EQ(machine.ReadFile(MainIni),
            "[Extra]\r\nmine=1\r\n[Options]\r\nLanguage=Russian\r\nfuture=x\r\nAuto Start=1\r\ntray=1\r\n"
            "Selection=0\r\nPosition=0\r\n[Pause]\r\nHour=-2\r\nMin=0\r\nSec=0\r\n");
}

TEST_F(SettingsTest, ASaveIntoAFolderThatCannotBeWrittenFails) {
  sim::SetModuleFileName("C:\\Gone\\Muralto.exe");
  try {
    muralto::SaveSettings(state);
    FAIL() << "no error";
  } catch (const toolkit::EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to C:\\Gone\\Muralto.ini");
  }
  EXPECT_EQ(muralto::iniFile, nullptr);
}

TEST_F(SettingsTest, AFailedFolderListSaveLeavesTheOldFileIntact) {
  const std::string old = "[Folders]\r\nTotal=1\r\nFolder1=C:\\Keep\r\nChecked Folder1=1\r\n";
  machine.WriteFile(FolderList, old);
  AddFolder("C:\\New", true);
  sim::DenyWritesUnder("C:\\Muralto\\data");
  try {
    muralto::SaveFolderList(state);
    FAIL() << "no error";
  } catch (const toolkit::EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + FolderList);
  }
  EXPECT_EQ(machine.ReadFile(FolderList), old);
  EXPECT_FALSE(machine.Exists(FolderList + ".new"));
}

TEST_F(SettingsTest, AFailedReplaceLeavesTheOldFileAndNoHalfFile) {
  // A folder in the file's place cannot be replaced by a file.
  machine.MakeDir(FolderList);
  AddFolder("C:\\New", true);
  try {
    muralto::SaveFolderList(state);
    FAIL() << "no error";
  } catch (const toolkit::EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + FolderList);
  }
  EXPECT_FALSE(machine.Exists(FolderList + ".new"));
}

TEST_F(SettingsTest, WithoutTheDataFolderEverySaveFails) {
  machine.Remove("C:\\Muralto\\data");
  EXPECT_THROW(muralto::SaveFolderList(state), toolkit::EIniFileException);
  EXPECT_FALSE(machine.Exists("C:\\Muralto\\data")) << "never created";
}

TEST_F(SettingsTest, LoadingTakesTotalEntriesWithDefaults) {
  machine.WriteFile(FolderList,
                    "[Folders]\r\nTotal=3\r\nFolder1=  C:\\Pictures  \r\nChecked Folder2=0\r\nFolder9=ignored\r\n");
  muralto::LoadFolderList(state);
  EXPECT_EQ(state.folderTotal, 3);
  ASSERT_EQ(folders.Count(), 3);
  EXPECT_EQ(folders.Item(0)->Caption(), "C:\\Pictures");
  EXPECT_TRUE(folders.Item(0)->Checked());
  EXPECT_EQ(folders.Item(1)->Caption(), "");
  EXPECT_FALSE(folders.Item(1)->Checked());
  EXPECT_EQ(folders.Item(2)->Caption(), "");
  EXPECT_TRUE(folders.Item(2)->Checked());
}

// The bound never drops an entry the file holds a key for; keys the loader
// never reads (leading zero, other text) name no entry.
TEST_F(SettingsTest, ADamagedTotalIsBounded) {
  struct Row {
    const char* total;
    int expected;
    const char* keys = "";
  };
  const Row rows[] = {
      {"0", 0},
      {"-5", 0},
      {"junk", 0},
      {"2147483647", muralto::MaxFolderEntries},
      {"2147483647", 10501, "Folder10500=x\r\nCHECKED FOLDER10501\r\n"},
      {"10400", 10400, "Folder10500=x\r\n"},
      {"-5", 0, "Folder10500=x\r\n"},
      {"2147483647", muralto::MaxFolderEntries, "Folder010500=x\r\nFolder10500x=x\r\nFolder+10500=x\r\n"},
      {"2147483647", 10501, "Folder10501=x\r\nFolder2000000000=x\r\n"}};  // the second beyond what a file holds
  for (const Row& row : rows) {
    folders.Clear();
    machine.WriteFile(FolderList, std::string("[Folders]\r\nTotal=") + row.total + "\r\n" + row.keys);
    muralto::LoadFolderList(state);
    EXPECT_EQ(folders.Count(), row.expected) << "Total=" << row.total << " " << row.keys;
  }
}

// A drop can grow the list past MaxFolderEntries in one run.
TEST_F(SettingsTest, AListLongerThanTheBoundComesBackByteForByte) {
  std::string stored = "[Folders]\r\nTotal=12000\r\n";
  for (int n = 1; n <= 12000; ++n) {
    const std::string number = std::to_string(n);
    stored +=
        "Folder" + number + "=P:\\Album " + number + "\r\nChecked Folder" + number + (n % 3 ? "=1\r\n" : "=0\r\n");
  }
  machine.WriteFile(FolderList, stored);
  muralto::LoadFolderList(state);
  muralto::SaveFolderList(state);
  EXPECT_EQ(folders.Count(), 12000);
  EXPECT_TRUE(machine.ReadFile(FolderList) == stored);
}

TEST_F(SettingsTest, LoadingIntoAListThatIsNotEmptyAppendsWithoutTouchingTheOld) {
  AddFolder("C:\\Already", false);
  machine.WriteFile(FolderList, "[Folders]\r\nTotal=1\r\nFolder1=C:\\New\r\n");
  muralto::LoadFolderList(state);
  ASSERT_EQ(folders.Count(), 2);
  EXPECT_EQ(folders.Item(0)->Caption(), "C:\\Already");
  EXPECT_FALSE(folders.Item(0)->Checked());
  EXPECT_EQ(folders.Item(1)->Caption(), "C:\\New");
}

}  // namespace
