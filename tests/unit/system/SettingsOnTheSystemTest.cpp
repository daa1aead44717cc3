// The settings files through the real profile functions under Wine and the
// simulated ones natively: the same bytes in both runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "system/ScratchArea.h"
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
  systemtest::ScratchArea scratch;
  toolkit::TIniFile ini(scratch.Folder() + "long.ini");
  for (int i = 0; i < 150; ++i) ini.WriteString("S", "a-rather-long-key-name-" + std::to_string(i), "x");
  ini.WriteString("S", "Wanted->Caption", "");
  EXPECT_EQ(ini.ReadSection("S").size(), 151u);
  EXPECT_TRUE(ini.ValueExists("s", "WANTED->caption")) << "any case, an empty value";
  EXPECT_FALSE(ini.ValueExists("S", "Wanted"));
  EXPECT_FALSE(ini.ValueExists("Missing", "Wanted->Caption"));
}

TEST(SettingsOnTheSystem, TwoFoldersAreWrittenInTheirExactFormAndReadBack) {
  systemtest::ScratchArea scratch;
  toolkit::TListItems folders;
  muralto::MainWindowState state;
  state.SetFolders(&folders);
  state.folderListPath = scratch.Folder() + "folders.ini";
  toolkit::TListItem* first = folders.Add();
  first->SetCaption("C:\\Pictures");
  first->SetChecked(true);
  toolkit::TListItem* second = folders.Add();
  second->SetCaption("D:\\Photos\\Holiday");
  second->SetChecked(false);

  muralto::SaveFolderList(state);
  EXPECT_EQ(ReadAll(state.folderListPath),
            "[Folders]\r\nTotal=2\r\nFolder1=C:\\Pictures\r\nChecked Folder1=1\r\n"
            "Folder2=D:\\Photos\\Holiday\r\nChecked Folder2=0\r\n");
  EXPECT_EQ(ReadAll(state.folderListPath + ".new"), "<missing>");

  toolkit::TListItems loaded;
  muralto::MainWindowState other;
  other.SetFolders(&loaded);
  other.folderListPath = state.folderListPath;
  muralto::LoadFolderList(other);
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded.Item(1)->Caption(), "D:\\Photos\\Holiday");
  EXPECT_FALSE(loaded.Item(1)->Checked());

  folders.Clear();
  muralto::SaveFolderList(state);
  EXPECT_EQ(ReadAll(state.folderListPath), "[Folders]\r\nTotal=0\r\n");
}

TEST(SettingsOnTheSystem, AFolderListThatCannotBeWrittenKeepsTheOldFile) {
  systemtest::ScratchArea scratch;
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
TEST(SettingsOnTheSystem, AFirstSaveWritesTheTenDefaultLines) {
  systemtest::ScratchArea scratch;
  const std::string path = muralto::MainSettingsPath();
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), ".ini");
  if (ReadAll(path) != "<missing>") GTEST_SKIP() << path << " exists already; left alone";
  muralto::MainWindowState state;
  muralto::LoadSettings(state);
  try {
    muralto::SaveSettings(state);
  } catch (...) {
    platform::DeleteFileA(path.c_str());
    throw;
  }
  const std::string written = ReadAll(path);
  platform::DeleteFileA(path.c_str());
  EXPECT_EQ(written,
            "[Options]\r\nLanguage=English\r\nAuto Start=1\r\ntray=1\r\nSelection=0\r\nPosition=0\r\n"
            "[Pause]\r\nHour=1\r\nMin=0\r\nSec=0\r\n");
}

// Saves one after another, each onto the file the one before left, give the
// very bytes that the profile functions give when they write the same entries
// one by one: into a new file, over a file of the same keys, and where a value
// is one they might write otherwise.
TEST(SettingsOnTheSystem, SavesWriteWhatTheProfileFunctionsWould) {
  systemtest::ScratchArea scratch;
  const std::string path = muralto::MainSettingsPath();
  if (ReadAll(path) != "<missing>") GTEST_SKIP() << path << " exists already; left alone";
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
    try {
      muralto::SaveSettings(state);
    } catch (...) {
      platform::DeleteFileA(path.c_str());
      throw;
    }
    const std::string written = ReadAll(path);
    EXPECT_EQ(written, ReadAll(reference)) << row.why;
    muralto::MainWindowState read;
    muralto::LoadSettings(read);
    EXPECT_EQ(read.hours, row.number) << row.why << ": read back";
  }
  platform::DeleteFileA(path.c_str());
}

}  // namespace
