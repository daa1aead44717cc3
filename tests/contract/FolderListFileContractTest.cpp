// The settings files written in one piece and read one section at a time,
// against the profile functions writing and reading them one entry at a
// time: the same bytes on disk, the same value for every key.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "contract/ContractChecks.h"
#include "platform/profile.h"
#include "toolkit/io/IniDocument.h"
#include "toolkit/io/IniFile.h"

namespace {

using contract::ExpectText;

std::string Key(const char* name, int n) { return name + std::to_string(n); }

// Lines written as "|"-separated text, each ending in CR LF.
std::string Lines(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '|' ? std::string("\r\n") : std::string(1, c);
  return out + "\r\n";
}

bool Every(int) { return true; }

class FolderListFileContract : public ::testing::Test {
 protected:
  void SetUp() override { contract::FreshMachine(); }

  // The file of a list of captions (every other one checked), written in one
  // piece or one profile write at a time; entry by entry only those wanted.
  std::string Written(const std::string& name, const std::vector<std::string>& captions, bool onePiece,
                      bool (*wanted)(int) = Every) {
    const std::string file = scratch_ / name;
    toolkit::TIniDocument document;
    const auto put = [&](const std::string& key, const std::string& value) {
      onePiece ? document.WriteString("Folders", key, value)
               : toolkit::TIniFile(file).WriteString("Folders", key, value);
    };
    put("Total", std::to_string(captions.size()));
    for (int n = 1; n <= static_cast<int>(captions.size()); ++n) {
      if (!wanted(n)) continue;
      put(Key("Folder", n), captions[n - 1]);
      put(Key("Checked Folder", n), n % 2 ? "1" : "0");
    }
    if (onePiece) document.SaveToFile(file);
    return contract::ReadBytes(file);
  }

  contract::ScratchFolder scratch_;
};

TEST_F(FolderListFileContract, OnePieceHasTheBytesOfEntryByEntryWrites) {
  struct Row {
    const char* name;
    std::vector<std::string> captions;
  };
  const Row rows[] = {
      {"no entries", {}},
      {"one entry", {"C:\\Pictures"}},
      {"an empty caption", {"", "D:\\After"}},
      {"blanks around names", {"  C:\\Lead", "C:\\Trail  ", "\t C:\\Both \t", "   ", "\v\f\x1a|"}},
      {"equals, semicolons, brackets, quotes",
       {"C:\\a=b", ";C:\\", "[Folders]", "C:\\[x]", "\"C:\\q\"", "'s'", "\"u", "=", "\""}},
      {"code page 1252", {"C:\\Caf\xe9 \x80\x81\x8d\x8f\x90\x9d\x9f\xff", "\xa0|\xa0"}},
      {"code page 1251", {"C:\\\xcf\xf0\xe8\xe2\xe5\xf2 \xc0\xff\xb8"}},
      {"a path of 259 characters", {"C:\\" + std::string(256, 'p')}},
  };
  int file = 0;
  for (const Row& row : rows) {
    const std::string name = std::to_string(++file) + ".ini";
    ExpectText(Written("one" + name, row.captions, true), Written("each" + name, row.captions, false), row.name);
  }
}

// Ten thousand entries one write at a time take minutes under Wine (every
// write rewrites the whole file): the entries at the edges of every number
// of digits are written that way, and the one-piece file, without the
// entries left out, must equal them; every other line must be the entry's
// own, in order.
TEST_F(FolderListFileContract, TenThousandEntries) {
  std::vector<std::string> captions;
  for (int n = 1; n <= 10000; ++n) captions.push_back((n % 7 ? "C:\\Photos\\" : " E:\\Old ") + std::to_string(n));
  const auto sampled = [](int n) {
    return n <= 2 || (n >= 9 && n <= 11) || (n >= 99 && n <= 101) || (n >= 999 && n <= 1001) || n >= 9999;
  };
  const std::string whole = Written("one.ini", captions, true);
  std::string kept;
  int line = 0;
  for (std::size_t at = 0; at < whole.size(); ++line) {
    const std::size_t end = whole.find("\r\n", at) + 2;
    const std::string text = whole.substr(at, end - at);
    at = end;
    const int n = line / 2;
    if (line >= 2) {
      const std::string key = Key(line % 2 ? "Checked Folder" : "Folder", n) + "=";
      ASSERT_EQ(text.compare(0, key.size(), key), 0) << "line " << line << ": " << text;
    }
    if (line < 2 || sampled(n)) kept += text;
  }
  EXPECT_EQ(line, 2 + 2 * 10000);
  ExpectText(kept, Written("each.ini", captions, false, sampled), "the sampled entries");
}

// The first start's settings file, and entries in any order over several
// sections: the one-piece file has the bytes of entry-by-entry writes.
TEST_F(FolderListFileContract, ANewFileOfSeveralSectionsHasTheBytesOfEntryByEntryWrites) {
  using Entries = std::vector<std::array<std::string, 3>>;
  const auto settings = [](const std::string& language, const std::string& seconds = "0") {
    return Entries{{"Options", "Language", language},
                   {"Options", "Auto Start", "1"},
                   {"Options", "tray", "1"},
                   {"Options", "Selection", "0"},
                   {"Options", "Position", "0"},
                   {"Pause", "Hour", "1"},
                   {"Pause", "Min", "0"},
                   {"Pause", "Sec", seconds}};
  };
  const std::pair<const char*, Entries> rows[] = {
      {"the defaults", settings("English")},
      {"blanks around the language", settings(" \t Russian\x1a\v ")},
      {"a quoted language", settings("\"Russian\"")},
      {"an empty language", settings("")},
      {"control characters", settings("\x01Rus\x7fsian\x1f")},
      {"code page 1251", settings("\xd0\xf3\xf1\xf1\xea\xe8\xe9\xa0")},
      {"blanks after the last value", settings("English", "0  ")},
      {"a key again, in another case", {{"A", "k", "1"}, {"B", "k", "2"}, {"a", "K", "3"}, {"b", "x", "4"}}},
      {"blanks around names", {{" A ", " k ", "1"}, {"a", "K", "2"}}},
      {"the same value after blanks", {{"A", "j", "y"}, {"A", "k", "x  "}, {"A", "k", "x"}}},
  };
  int file = 0;
  for (const auto& [why, entries] : rows) {
    const std::string one = scratch_ / ("one" + std::to_string(++file) + ".ini");
    const std::string each = scratch_ / ("each" + std::to_string(file) + ".ini");
    toolkit::TIniDocument document;
    for (const auto& [section, key, value] : entries) {
      document.WriteString(section, key, value);
      ASSERT_TRUE(platform::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), each.c_str()));
    }
    document.SaveToFile(one);
    ExpectText(contract::ReadBytes(one), contract::ReadBytes(each), why);
  }
}

// What the one-call section read hands over: trimmed keys, untouched values,
// no comments, lines without "=" or without a key as they are.
TEST_F(FolderListFileContract, TheSectionAsListed) {
  const std::string file = scratch_ / "listed.ini";
  contract::WriteBytes(file, Lines("[Folders]|  Total  =  2  |;Folder1=comment|bare line|=no key|Folder1=\"quoted\"||"
                                   "Folder2='x'|[Next]|k=v"));
  std::string buffer(256, '\xcc');
  const std::uint32_t count = platform::GetPrivateProfileSectionA("folders", buffer.data(), 256, file.c_str());
  const std::string expected("Total=2\0bare line\0=no key\0Folder1=\"quoted\"\0Folder2='x'\0\0", 56);
  ExpectText(buffer.substr(0, expected.size()), expected, "the list");
  EXPECT_EQ(count, expected.size() - 1);
  EXPECT_EQ(platform::GetPrivateProfileSectionA("Folders", buffer.data(), 16, file.c_str()), 14u) << "cut: size - 2";
  EXPECT_EQ(buffer.substr(14, 2), std::string(2, '\0'));
}

TEST_F(FolderListFileContract, OnePassReadsWhatEachKeyReads) {
  const std::string longValues = "[Folders]|Folder1=" + std::string(3000, 'x') + "|Folder2=\"" +
                                 std::string(2047, 'q') + "\"|Folder3=\"" + std::string(2046, 'r') + "\"|Folder4=\"" +
                                 std::string(3000, 's') + "\"|Folder5=" + std::string(2048, 't') +
                                 "|Checked Folder1=" + std::string(3000, '0') + "1";
  struct Row {
    const char* name;
    std::string text;
  };
  const Row rows[] = {
      {"an empty file", ""},
      {"no such section", Lines("[Other]|Total=3|Folder1=x")},
      {"duplicated keys", Lines("[Folders]|Total=2|Folder1=first|FOLDER1=second|Checked Folder1=0|Checked Folder1=1")},
      {"keys in other case", Lines("[FOLDERS]|TOTAL=2|folder1=a|checked FOLDER1=0|FoLdEr2=b")},
      {"blanks and quotes", Lines("[Folders]|  Total =\t3 |Folder1 =  \"  spaced  \"  |Folder2='single'|"
                                  "Folder3=\"unmatched|Folder4=\"|Folder5=\"\"|Folder6=\"'nested'\"|Folder7='mixed\"|"
                                  "\tChecked Folder1\t= 0")},
      {"over-long values", Lines(longValues)},
      {"lines without =",
       Lines("[Folders]|Total=3|Folder1|Folder1=hidden|Checked Folder2|Checked Folder2=0|Folder3 x")},
      {"comments", Lines("[Folders]|;Total=9|Total=2|; Folder1=no|;Folder1=no|Folder1=yes|# Folder2=hash")},
      {"a Total larger than the entries", Lines("[Folders]|Total=6|Folder1=only|Checked Folder3=0")},
      {"keys of other sections", Lines("Folder1=before|[Before]|Folder1=x|[Folders]|Total=2|Folder2=mine|[After]|"
                                       "Folder1=y|[folders]|Folder1=second section")},
      {"integers and flags", Lines("[Folders]|Total=0x10|Checked Folder1=yes|Checked Folder2=2|Checked Folder3=-0|"
                                   "Checked Folder4=0x0|Checked Folder5=$0|Checked Folder6= 0 |Checked Folder7=\"0\"|"
                                   "Checked Folder8=")},
      {"a huge Total", Lines("[Folders]|Total=2147483647")},
      {"a Total past 32 bits", Lines("[Folders]|Total=2147483648")},
      {"LF line ends and blank lines", "[Folders]\n\nTotal=$2\n\n\nFolder1=a\n\nFolder2=b\n"},
      {"bytes of code pages 1252 and 1251", Lines("[Folders]|Folder1=Caf\xe9 \xcf\xf0\xe8|FOLDER2=\xa0nbsp\xa0")},
      {"a header with blanks", Lines("[ Folders ]|Total=1|Folder1=a")},
  };
  int file = 0;
  for (const Row& row : rows) {
    const std::string path = scratch_ / ("read" + std::to_string(++file) + ".ini");
    contract::WriteBytes(path, row.text);
    const toolkit::TIniFile each(path);
    const toolkit::TIniDocument once(path, {"Folders"});
    EXPECT_EQ(once.ReadInteger("Folders", "Total", 0), each.ReadInteger("Folders", "Total", 0)) << row.name;
    for (int n = 1; n <= 8; ++n) {
      const std::string folder = Key("Folder", n), checked = Key("Checked Folder", n);
      ExpectText(once.ReadString("Folders", folder, ""), each.ReadString("Folders", folder, ""),
                 row.name + (", " + folder));
      EXPECT_EQ(once.ReadBool("Folders", checked, true), each.ReadBool("Folders", checked, true))
          << row.name << ", " << checked;
    }
  }
}

}  // namespace
