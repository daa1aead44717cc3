// The settings files through the real profile functions under Wine and the
// simulated ones natively: the same bytes in both runs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "support/Captions.h"
#include "support/TestMachine.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/io/IniFile.h"

namespace {

std::string ReadAll(const std::string& path) {
  const platform::Handle file = platform::OpenFileForReadDenyWrite(path.c_str());
  if (file == platform::InvalidHandleValue) return "<missing>";
  std::string out;
  char buffer[4096];
  std::uint32_t read = 0;
  while (platform::ReadFile(file, buffer, sizeof buffer, &read) && read > 0) out.append(buffer, read);
  platform::CloseHandle(file);
  return out;
}

TEST(SettingsOnTheSystem, AKeyIsFoundInASectionLongerThanOneReadBuffer) {
  support::TestMachine scratch;
  toolkit::TIniFile ini(scratch.Folder() + "long.ini");
  for (int i = 0; i < 150; ++i) ini.WriteString("S", "a-rather-long-key-name-" + std::to_string(i), "x");
  ini.WriteString("S", "Wanted->Caption", "");
  EXPECT_EQ(ini.ReadSection("S").size(), 151u);
  EXPECT_TRUE(ini.ValueExists("s", "WANTED->caption")) << "any case, an empty value";
  EXPECT_FALSE(ini.ValueExists("S", "Wanted"));
  EXPECT_FALSE(ini.ValueExists("Missing", "Wanted->Caption"));
}

// Each list is saved over the file the row before left, unless the row
// brings a file of its own, and read back whole.
TEST(SettingsOnTheSystem, AFolderListIsWrittenInItsExactFormAndReadBack) {
  support::TestMachine scratch;
  struct Row {
    const char* why;
    const char* before;  // nullptr: what the row before left
    std::vector<std::pair<std::string, bool>> folders;
    std::string file;
  };
  const Row rows[] = {
      {"two folders into a new file",
       nullptr,
       {{"C:\\Pictures", true}, {"D:\\Photos\\Holiday", false}},
       "[Folders]\r\nTotal=2\r\nFolder1=C:\\Pictures\r\nChecked Folder1=1\r\n"
       "Folder2=D:\\Photos\\Holiday\r\nChecked Folder2=0\r\n"},
      {"a folder twice",
       nullptr,
       {{"C:\\Pictures", true}, {"D:\\Photos\\Holiday", false}, {"C:\\Pictures", true}},
       "[Folders]\r\nTotal=3\r\nFolder1=C:\\Pictures\r\nChecked Folder1=1\r\n"
       "Folder2=D:\\Photos\\Holiday\r\nChecked Folder2=0\r\nFolder3=C:\\Pictures\r\nChecked Folder3=1\r\n"},
      {"none, over a longer list and a section of another kind",
       "[Folders]\r\nTotal=3\r\nFolder1=a\r\nFolder2=b\r\nFolder3=c\r\n[Other]\r\nk=v\r\n",
       {},
       "[Folders]\r\nTotal=0\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    toolkit::TListItems folders;
    muralto::MainWindowState state;
    state.SetFolders(&folders);
    state.folderListPath = scratch.Folder() + "folders.ini";
    if (row.before) scratch.MakeFile("folders.ini", row.before);
    for (const auto& [caption, checked] : row.folders) {
      toolkit::TListItem* item = folders.Add();
      item->SetCaption(caption);
      item->SetChecked(checked);
    }
    muralto::SaveFolderList(state);
    EXPECT_EQ(ReadAll(state.folderListPath), row.file);
    EXPECT_EQ(ReadAll(state.folderListPath + ".new"), "<missing>");

    toolkit::TListItems loaded;
    muralto::MainWindowState other;
    other.SetFolders(&loaded);
    other.folderListPath = state.folderListPath;
    muralto::LoadFolderList(other);
    EXPECT_EQ(support::Captions(loaded), support::Captions(folders));
  }
}

TEST(SettingsOnTheSystem, AFolderListThatCannotBeWrittenKeepsTheOldFile) {
  support::TestMachine scratch;
  toolkit::TListItems folders;
  folders.Add()->SetCaption("C:\\New");
  muralto::MainWindowState state;
  state.SetFolders(&folders);
  const std::string old = "[Folders]\r\nTotal=1\r\nFolder1=C:\\Old\r\nChecked Folder1=0\r\n";
  scratch.MakeFile("folders.ini", old);
  // A folder where the new version is written beside the file, then one where the file itself stands.
  scratch.MakeFolder("folders.ini.new");
  scratch.MakeFolder("taken.ini");
  struct Row {
    std::string path;
    std::string kept;
  } const rows[] = {
      {scratch.Folder() + "missing folder\\folders.ini", "<missing>"},
      {scratch.Folder() + "folders.ini", old},
      {scratch.Folder() + "taken.ini", "<missing>"},
  };
  for (const Row& row : rows) {
    state.folderListPath = row.path;
    try {
      muralto::SaveFolderList(state);
      ADD_FAILURE() << row.path << ": no error";
    } catch (const toolkit::EIniFileException& e) {
      EXPECT_EQ(e.Message(), "Unable to write to " + row.path);
    }
    EXPECT_EQ(ReadAll(row.path), row.kept) << row.path;
  }
  EXPECT_EQ(ReadAll(scratch.Folder() + "taken.ini.new"), "<missing>") << "the new version is removed";
}

}  // namespace

namespace {

// The main settings file lies beside the executable: under Wine beside this
// test program, which the test removes again.
void SaveOrRemove(const muralto::MainWindowState& state, const std::string& path) {
  try {
    muralto::SaveSettings(state);
  } catch (...) {
    platform::DeleteFileA(path.c_str());
    throw;
  }
}

TEST(SettingsOnTheSystem, AFirstStartReadsTheDefaultsAndWritesTenLines) {
  support::TestMachine scratch;
  const std::string path = muralto::MainSettingsPath();
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), ".ini");
  ASSERT_EQ(ReadAll(path), "<missing>") << path << " exists already; left alone";
  muralto::MainWindowState state;
  state.hours = 99;
  muralto::LoadSettings(state);
  EXPECT_EQ(state.languageName, "English");
  EXPECT_TRUE(state.autoStart);
  EXPECT_TRUE(state.showTray);
  EXPECT_EQ(state.selectionMode, 0);
  EXPECT_EQ(state.positionMode, 0);
  EXPECT_EQ(state.hours, 1);
  EXPECT_EQ(state.minutes, 0);
  EXPECT_EQ(state.seconds, 0);
  EXPECT_EQ(ReadAll(path), "<missing>") << "reading creates nothing";
  SaveOrRemove(state, path);
  const std::string written = ReadAll(path);
  platform::DeleteFileA(path.c_str());
  EXPECT_EQ(written,
            "[Options]\r\nLanguage=English\r\nAuto Start=1\r\ntray=1\r\nSelection=0\r\nPosition=0\r\n"
            "[Pause]\r\nHour=1\r\nMin=0\r\nSec=0\r\n");
  EXPECT_EQ(muralto::iniFile, nullptr) << "the INI object lives only during the operation";
}

// Saves one after another, each onto the file the one before left, give the
// very bytes that the profile functions give when they write the same entries
// one by one: into a new file, over a file of the same keys, and where a value
// is one they might write otherwise.
TEST(SettingsOnTheSystem, SavesWriteWhatTheProfileFunctionsWould) {
  support::TestMachine scratch;
  const std::string path = muralto::MainSettingsPath();
  ASSERT_EQ(ReadAll(path), "<missing>") << path << " exists already; left alone";
  const std::string reference = scratch.Folder() + "reference.ini";
  struct Row {
    const char* why;
    std::string language;
    bool flag;
    int number;
  };
  const Row rows[] = {
      {"a new file", "English", true, 1},
      {"other values over the same keys", "Russian", false, -2147483647 - 1},
      {"blanks around the language", "  Russian ", true, 30},
      {"a quoted language", "\"Russian\"", false, 5},
      {"an empty language", "", true, -1},
      {"plain values again", "English", false, 0},
  };
  for (const Row& row : rows) {
    muralto::MainWindowState state;
    state.languageName = row.language;
    state.autoStart = row.flag;
    state.showTray = !row.flag;
    state.selectionMode = row.number;
    state.positionMode = 2;
    state.hours = row.number;
    state.minutes = 59;
    state.seconds = -7;
    const std::pair<const char*, std::pair<const char*, std::string>> entries[] = {
        {"Options", {"Language", row.language}},
        {"Options", {"Auto Start", row.flag ? "1" : "0"}},
        {"Options", {"tray", row.flag ? "0" : "1"}},
        {"Options", {"Selection", std::to_string(row.number)}},
        {"Options", {"Position", "2"}},
        {"Pause", {"Hour", std::to_string(row.number)}},
        {"Pause", {"Min", "59"}},
        {"Pause", {"Sec", "-7"}},
    };
    for (const auto& [section, entry] : entries) {
      ASSERT_TRUE(platform::WritePrivateProfileStringA(section, entry.first, entry.second.c_str(), reference.c_str()));
    }
    SaveOrRemove(state, path);
    const std::string written = ReadAll(path);
    EXPECT_EQ(written, ReadAll(reference)) << row.why;
    muralto::MainWindowState read;
    muralto::LoadSettings(read);
    EXPECT_EQ(read.hours, row.number) << row.why << ": read back";
  }
  platform::DeleteFileA(path.c_str());
}

}  // namespace
