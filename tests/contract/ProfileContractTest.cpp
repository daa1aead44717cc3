// The profile-file calls, pinned against Windows/Wine: lookup rules,
// buffer limits and how a write rewrites the file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "contract/ContractChecks.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/types.h"
#include "support/Probe.h"

namespace {

using namespace platform;
using namespace probe;
using contract::ExpectText;
using contract::Poison;
using contract::PoisonError;

class ProfileContract : public ::testing::Test {
 protected:
  void SetUp() override { contract::FreshMachine(); }

  // A read into a poisoned buffer of the given size; the text and count.
  struct Read {
    std::string text;
    std::uint32_t count;
  };
  static Read ReadEntry(const char* section, const char* key, const char* fallback, const std::string& file,
                        std::uint32_t size = 2048) {
    std::string buffer(size + 16, static_cast<char>(Poison));
    const std::uint32_t count = GetPrivateProfileStringA(section, key, fallback, buffer.data(), size, file.c_str());
    if (size > 0 && count < size) {
      EXPECT_EQ(buffer[count], '\0') << "NUL after the text";
    }
    EXPECT_EQ(static_cast<unsigned char>(buffer[size]), Poison) << "nothing written past the buffer";
    return {std::string(buffer.data(), std::min<std::size_t>(count, size)), count};
  }

  contract::ScratchFolder scratch_;
};

TEST_F(ProfileContract, LookupRules) {
  const std::string file = scratch_ / "rules.ini";
  contract::WriteBytes(file,
                       "[Options]\r\n"
                       "Language = English \r\n"
                       "Auto Start=1\r\n"
                       "  tray\t=\t0\t\r\n"
                       "quoted=\"  a  \"\r\n"
                       "single='b'\r\n"
                       "unmatched=\"c\r\n"
                       "mixed=\"d'\r\n"
                       "lonequote=\"\r\n"
                       "empty=\r\n"
                       "ansi=caf\xe9\r\n"
                       "[options]\r\n"
                       "Language=Second\r\n"
                       "OnlyInSecond=x\r\n"
                       "[Pause]\r\n"
                       "Hour=30\r\n");
  struct Row {
    const char* section;
    const char* key;
    const char* expected;
    const char* why;
  };
  const Row rows[] = {
      {"Options", "Language", "English", "blanks around key and value trimmed; the first section wins"},
      {"OPTIONS", "auto start", "1", "section and key found without regard to case"},
      {"Options", "AutoStart", "dflt", "a blank inside a key matters"},
      {"Options", "tray", "0", "tabs trimmed"},
      {"Options", "quoted", "  a  ", "one pair of double quotes removed, blanks inside kept"},
      {"Options", "single", "b", "single quotes removed"},
      {"Options", "unmatched", "\"c", "an unmatched quote stays"},
      {"Options", "mixed", "\"d'", "different quotes stay"},
      {"Options", "lonequote", "\"", "a lone quote stays"},
      {"Options", "empty", "", "an empty value is not the default"},
      {"Options", "ansi", "caf\xe9", "ANSI bytes come back unchanged"},
      {"Options", "OnlyInSecond", "dflt", "a second section of the same name is not read"},
      {"Pause", "Hour", "30", "another section"},
      {"Missing", "Hour", "dflt", "missing section"},
      {"Pause", "Missing", "dflt", "missing key"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const Read read = ReadEntry(row.section, row.key, "dflt", file);
    ExpectText(read.text, row.expected, std::string("[") + row.section + "] " + row.key);
    EXPECT_EQ(read.count, std::strlen(row.expected)) << row.why;
  }
}

TEST_F(ProfileContract, BufferLimits) {
  const std::string file = scratch_ / "limits.ini";
  contract::WriteBytes(file, "[S]\r\nlong=" + std::string(3000, 'x') + "\r\nshort=English\r\nq=\"abcdef\"\r\n");
  struct Row {
    const char* key;
    std::uint32_t size;
    std::string expected;
    const char* why;
  };
  const Row rows[] = {
      {"long", 2048, std::string(2047, 'x'), "cut to 2047 characters with a 2048-byte buffer"},
      {"short", 4, "Eng", "cut to size - 1"},
      {"short", 1, "", "room for the NUL only"},
      {"short", 8, "English", "exactly enough room"},
      {"q", 4, "abc", "quotes removed before the cut"},
      {"missing", 4, "def", "the default is cut too"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const Read read = ReadEntry("S", row.key, "default", file, row.size);
    ExpectText(read.text, row.expected, row.key);
    EXPECT_EQ(read.count, row.expected.size());
  }
}

TEST_F(ProfileContract, DefaultsAndMissingFiles) {
  const std::string file = scratch_ / "none.ini";
  struct Row {
    const char* fallback;
    const char* expected;
    const char* why;
  };
  const Row rows[] = {
      {"dflt  ", "dflt", "trailing blanks of the default dropped"},
      {"  lead", "  lead", "leading blanks of the default kept"},
      {nullptr, "", "no default gives the empty text"},
  };
  for (const Row& row : rows) {
    const Read read = ReadEntry("S", "k", row.fallback, file);
    ExpectText(read.text, row.expected, row.why);
  }
  EXPECT_FALSE(contract::Exists(file)) << "reading never creates the file";

  SetLastError(PoisonError);
  const Read read = ReadEntry("S", "k", "dflt", scratch_ / "missing\\x.ini");
  ExpectText(read.text, "dflt", "missing folder");
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorPathNotFound));

  std::string buffer(4, static_cast<char>(Poison));
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer.data(), 0, file.c_str()), 0u) << "size 0";
  EXPECT_EQ(static_cast<unsigned char>(buffer[0]), Poison);
}

TEST_F(ProfileContract, WritingANewFile) {
  const std::string file = scratch_ / "Muralto.ini";
  EXPECT_TRUE(WritePrivateProfileStringA("Options", "Language", "English", file.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("Options", "Auto Start", "1", file.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("Pause", "Hour", "1", file.c_str()));
  ExpectText(contract::ReadBytes(file), "[Options]\r\nLanguage=English\r\nAuto Start=1\r\n[Pause]\r\nHour=1\r\n",
             "CR LF, no blank line between sections");
}

TEST_F(ProfileContract, WritingIntoAnExistingFile) {
  struct Row {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
    const char* why;
  };
  const Row rows[] = {
      {"[Options]\r\nLANGUAGE=Russian\r\nOther=1\r\n", "options", "language", "English",
       "[Options]\r\nLANGUAGE=English\r\nOther=1\r\n", "replaced in place, the key's spelling kept"},
      {"[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n",
       "a missing key goes to the end of its section"},
      {"[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "a missing section goes to the end"},
      {"[A]\r\n;note\r\nx=1\r\nunknown=keep\r\n", "A", "x", "2", "[A]\r\n;note\r\nx=2\r\nunknown=keep\r\n",
       "comments and unknown keys survive"},
      {"[A]\r\nx=1\r\ny=2\r\n", "A", "x", nullptr, "[A]\r\ny=2\r\n", "no value deletes the key"},
      {"[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", nullptr, nullptr, "[B]\r\ny=2\r\n", "no key deletes the section"},
      {"[A]\nx=1\n[B]\ny=2\n", "B", "y", "3", "[A]\r\nx=1\r\n[B]\r\ny=3\r\n", "LF line ends become CR LF"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const std::string file = scratch_ / "existing.ini";
    contract::WriteBytes(file, row.before);
    EXPECT_TRUE(WritePrivateProfileStringA(row.section, row.key, row.value, file.c_str()));
    ExpectText(contract::ReadBytes(file), row.after, row.why);
  }
}

TEST_F(ProfileContract, WritingTheSameValueLeavesTheFileAlone) {
  const std::string file = scratch_ / "same.ini";
  const std::string before = "[A]\n\nx=1\n";
  contract::WriteBytes(file, before);
  EXPECT_TRUE(WritePrivateProfileStringA("a", "X", "1", file.c_str()));
  ExpectText(contract::ReadBytes(file), before, "nothing changed, nothing rewritten");
}

TEST_F(ProfileContract, BlankLinesAreDroppedByWine) {
  const std::string file = scratch_ / "blank.ini";
  contract::WriteBytes(file, "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_TRUE(WritePrivateProfileStringA("B", "y", "3", file.c_str()));
  const std::string after = contract::ReadBytes(file);
  contract::KnownWineDeviation(after == "[A]\r\nx=1\r\n\r\n[B]\r\ny=3\r\n", after == "[A]\r\nx=1\r\n[B]\r\ny=3\r\n",
                               "Wine rewrites the whole file and drops blank lines; Windows edits in place");
}

TEST_F(ProfileContract, DeletingFromAMissingFileCreatesNothing) {
  const std::string file = scratch_ / "absent.ini";
  EXPECT_TRUE(WritePrivateProfileStringA("S", "k", nullptr, file.c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("S", nullptr, nullptr, file.c_str()));
  EXPECT_FALSE(contract::Exists(file));
}

TEST_F(ProfileContract, RefusedWrites) {
  SetLastError(PoisonError);
  const std::string inMissingFolder = scratch_ / "missing\\x.ini";
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", inMissingFolder.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorPathNotFound)) << "the folder is never created";
  EXPECT_FALSE(contract::Exists(scratch_ / "missing"));

  const std::string folder = scratch_ / "folder.ini";
  contract::MakeFolder(folder);
  SetLastError(PoisonError);
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", folder.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorAccessDenied)) << "a folder in the file's place";
}

TEST_F(ProfileContract, ListingSectionsAndKeys) {
  const std::string file = scratch_ / "list.ini";
  contract::WriteBytes(file, "[One]\r\na=1\r\nbb=2\r\n[Two]\r\n[Three]\r\nc=3\r\n");
  struct Row {
    const char* section;
    std::uint32_t size;
    std::string expected;  // with its NULs
    std::uint32_t count;
    const char* why;
  };
  const Row rows[] = {
      {nullptr, 64, std::string("One\0Two\0Three\0\0", 15), 14, "section names, each with a NUL, then one more"},
      {"one", 64, std::string("a\0bb\0\0", 6), 5, "the keys of a section"},
      {"Missing", 64, std::string("dflt\0", 5), 4, "a missing section gives the default"},
  };
  for (const Row& row : rows) {
    std::string buffer(row.size + 8, static_cast<char>(Poison));
    const std::uint32_t count =
        GetPrivateProfileStringA(row.section, nullptr, "dflt", buffer.data(), row.size, file.c_str());
    EXPECT_EQ(count, row.count) << row.why;
    ExpectText(buffer.substr(0, row.expected.size()), row.expected, row.why);
  }
}

TEST_F(ProfileContract, ABareFileNameLiesInTheWindowsFolder) {
  const std::string name = "muralto-contract-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".ini";
  ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "v", name.c_str()));
  char folder[260] = {};
  ASSERT_GT(GetWindowsDirectoryA(folder, sizeof folder), 0u);
  const std::string path = std::string(folder) + "\\" + name;
  ExpectText(contract::ReadBytes(path), "[S]\r\nk=v\r\n", "the file in the Windows folder");
  EXPECT_TRUE(DeleteFileA(path.c_str()));
}

}  // namespace
