// Files and folders, pinned against Windows/Wine: enumeration order and
// attribute words, open files and their sharing, deletion and renaming,
// lower-casing and the paths the system reports.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "contract/ContractChecks.h"
#include "platform/files.h"
#include "support/Probe.h"

namespace {

using namespace platform;
using namespace probe;
using contract::Poison;
using contract::PoisonError;

struct Listed {
  std::string name;
  std::uint32_t attributes;
  std::uint64_t size;
  bool operator==(const Listed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Listed& entry) {
  return out << entry.name << " 0x" << std::hex << entry.attributes << std::dec << " " << entry.size;
}

// Every entry of a pattern; the last error after the final FindNextFileA.
std::vector<Listed> List(const std::string& pattern, std::uint32_t* endError = nullptr) {
  std::vector<Listed> entries;
  FindDataA data;
  std::memset(static_cast<void*>(&data), Poison, sizeof data);
  const Handle find = FindFirstFileA(pattern.c_str(), &data);
  if (find == InvalidHandleValue) return entries;
  do {
    entries.push_back({data.cFileName, data.dwFileAttributes, data.nFileSize});
    std::memset(static_cast<void*>(&data), Poison, sizeof data);
    SetLastError(PoisonError);
  } while (FindNextFileA(find, &data));
  if (endError != nullptr) *endError = GetLastError();
  EXPECT_TRUE(FindClose(find));
  return entries;
}

// The attributes of one entry of a listing, or InvalidFileAttributes when it is not listed.
std::uint32_t AttributesIn(const std::vector<Listed>& entries, const std::string& name) {
  for (const Listed& entry : entries) {
    if (entry.name == name) return entry.attributes;
  }
  return InvalidFileAttributes;
}

class FilesContract : public ::testing::Test {
 protected:
  void SetUp() override { contract::FreshMachine(); }
  contract::ScratchFolder scratch_;
};

// Closes a handle of the platform layer at the end of a scope.
class OpenFile {
 public:
  explicit OpenFile(Handle handle) : handle_(handle) {}
  ~OpenFile() {
    if (handle_ != InvalidHandleValue) CloseHandle(handle_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  Handle get() const { return handle_; }
  bool valid() const { return handle_ != InvalidHandleValue; }

 private:
  Handle handle_;
};

TEST_F(FilesContract, EnumerationListsDotsFirstThenNamesWithoutRegardToCase) {
  contract::WriteBytes(scratch_ / "b.txt", "12345");
  contract::WriteBytes(scratch_ / "A.jpg", "1");
  contract::MakeFolder(scratch_ / "c");
  contract::WriteBytes(scratch_ / "D.Jpeg", "");
  const std::vector<Listed> expected = {
      {".", 0x10, 0}, {"..", 0x10, 0}, {"A.jpg", 0x20, 1}, {"b.txt", 0x20, 5}, {"c", 0x10, 0}, {"D.Jpeg", 0x20, 0},
  };
  std::uint32_t endError = 0;
  EXPECT_EQ(List(scratch_ / "*.*", &endError), expected);
  EXPECT_EQ(endError, static_cast<std::uint32_t>(ErrorNoMoreFiles));
  EXPECT_EQ(List(scratch_ / "*"), expected) << "\"*\" is \"*.*\"";
  const std::vector<Listed> dots = {{".", 0x10, 0}, {"..", 0x10, 0}};
  EXPECT_EQ(List(scratch_ / "c\\*.*"), dots) << "an empty folder";
}

TEST_F(FilesContract, FindingOneName) {
  contract::WriteBytes(scratch_ / "Photo.JPG", "xy");
  contract::MakeFolder(scratch_ / "Sub");
  struct Row {
    std::string pattern;
    std::string name;  // "" when nothing is found
    std::uint32_t error;
    const char* why;
  };
  const Row rows[] = {
      {scratch_ / "Photo.JPG", "Photo.JPG", 0, "an existing file"},
      {scratch_ / "photo.jpg", "Photo.JPG", 0, "found without regard to case, with its own spelling"},
      {scratch_ / "Sub", "Sub", 0, "a folder by its name"},
      {scratch_ / "missing.jpg", "", ErrorFileNotFound, "a missing file"},
      {scratch_ / "nofolder\\*.*", "", ErrorPathNotFound, "a missing folder"},
      {scratch_ / "Sub\\*.jpg", "", ErrorFileNotFound, "nothing matches"},
  };
  for (const Row& row : rows) {
    FindDataA data;
    std::memset(static_cast<void*>(&data), Poison, sizeof data);
    SetLastError(PoisonError);
    const Handle find = FindFirstFileA(row.pattern.c_str(), &data);
    if (row.name.empty()) {
      EXPECT_EQ(find, InvalidHandleValue) << row.why;
      EXPECT_EQ(GetLastError(), row.error) << row.why;
    } else {
      ASSERT_NE(find, InvalidHandleValue) << row.why;
      EXPECT_STREQ(data.cFileName, row.name.c_str()) << row.why;
      EXPECT_TRUE(FindClose(find));
    }
  }
}

TEST_F(FilesContract, PatternsMatchShortNamesToo) {
  for (const char* name : {"b.jpg", "D.JPG", "y.jpgx", "e.tar.jpg", "longname.jpg", "a.jpeg", "c", "f.jp"}) {
    contract::WriteBytes(scratch_ / name, "");
  }
  auto names = [&](const std::string& mask) {
    std::vector<std::string> found;
    for (const Listed& entry : List(scratch_ / mask)) found.push_back(entry.name);
    return found;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(names("*.jpg"), (Names{"b.jpg", "D.JPG", "e.tar.jpg", "longname.jpg", "y.jpgx"}))
      << "y.jpgx through its short name Y~1.JPG: callers test the extension themselves";
  EXPECT_EQ(names("*.jpe"), (Names{"a.jpeg"})) << "a.jpeg through its short name";
  EXPECT_EQ(names("?.jpg"), (Names{"b.jpg", "D.JPG"}));
  const Names all = names("*.*");
  const Names dotted = names("*.");
  contract::KnownWineDeviation(dotted == Names{".", "..", "c"}, dotted == all,
                               "\"*.\" lists only names without an extension on Windows, everything under Wine");
}

TEST_F(FilesContract, AttributeWords) {
  contract::WriteBytes(scratch_ / "hidden.jpg", "");
  contract::AddAttributes(scratch_ / "hidden.jpg", FileAttributeHidden);
  contract::WriteBytes(scratch_ / "system.bmp", "");
  contract::AddAttributes(scratch_ / "system.bmp", FileAttributeSystem);
  contract::MakeFolder(scratch_ / "hiddendir");
  contract::AddAttributes(scratch_ / "hiddendir", FileAttributeHidden);
  const auto entries = List(scratch_ / "*.*");
  struct Row {
    const char* name;
    std::uint32_t attributes;
  };
  const Row rows[] = {{"hidden.jpg", 0x22}, {"system.bmp", 0x24}, {"hiddendir", 0x12}};
  for (const Row& row : rows) {
    EXPECT_EQ(AttributesIn(entries, row.name), row.attributes) << row.name << " listed";
    EXPECT_EQ(GetFileAttributesA((scratch_ / row.name).c_str()), row.attributes) << row.name << " asked for";
  }
}

TEST_F(FilesContract, DotNamesAreHiddenUnderWine) {
  contract::WriteBytes(scratch_ / ".dotfile", "");
  contract::MakeFolder(scratch_ / ".dotdir");
  const auto entries = List(scratch_ / "*.*");
  contract::KnownWineDeviation(AttributesIn(entries, ".dotfile") == 0x20, AttributesIn(entries, ".dotfile") == 0x22,
                               "Wine marks names starting with a dot hidden");
  contract::KnownWineDeviation(AttributesIn(entries, ".dotdir") == 0x10, AttributesIn(entries, ".dotdir") == 0x12,
                               "Wine marks folders starting with a dot hidden");
}

TEST_F(FilesContract, EntriesOnlyPosixMakes) {
  const std::string fixture = contract::PosixFixture();
  ASSERT_FALSE(fixture.empty()) << "no POSIX fixture: run the suite through win32/with-posix-fixture, as ctest does";
  const auto entries = List(fixture + "\\*.*");
  struct Row {
    const char* name;
    std::uint32_t attributes;
    const char* why;
  };
  const Row rows[] = {
      {"plain.txt", 0x20, "a file"},
      {"readonly", 0x11, "a folder of mode 555 is read-only"},
      {"target", 0x10, "a folder"},
      {"linkdir", 0x410, "a symlinked folder is a reparse point"},
      {"linkfile", 0x20, "a symlink to a file is a file"},
      {"broken", InvalidFileAttributes, "a broken symlink is not listed"},
  };
  for (const Row& row : rows) EXPECT_EQ(AttributesIn(entries, row.name), row.attributes) << row.why;
}

TEST_F(FilesContract, FileAttributesOfPaths) {
  contract::WriteBytes(scratch_ / "file.txt", "x");
  contract::MakeFolder(scratch_ / "Folder");
  struct Row {
    std::string path;
    std::uint32_t attributes;
    std::uint32_t error;
    const char* why;
  };
  std::string forward = scratch_ / "Folder";
  for (char& c : forward) {
    if (c == '\\') c = '/';
  }
  const Row rows[] = {
      {scratch_ / "file.txt", 0x20, 0, "a file"},
      {scratch_ / "FILE.TXT", 0x20, 0, "any case"},
      {scratch_ / "Folder", 0x10, 0, "a folder"},
      {scratch_ / "Folder\\", 0x10, 0, "a folder with a trailing backslash"},
      {forward, 0x10, 0, "forward slashes"},
      {scratch_ / "Folder\\..\\file.txt", 0x20, 0, "\"..\" steps up"},
      {scratch_ / "missing.txt", InvalidFileAttributes, ErrorFileNotFound, "a missing file"},
      {scratch_ / "missing\\x.txt", InvalidFileAttributes, ErrorPathNotFound, "a missing folder"},
  };
  for (const Row& row : rows) {
    SetLastError(PoisonError);
    EXPECT_EQ(GetFileAttributesA(row.path.c_str()), row.attributes) << row.why;
    if (row.error != 0) {
      EXPECT_EQ(GetLastError(), row.error) << row.why;
    }
  }
}

TEST_F(FilesContract, ReadingAFileWhileOthersMayOnlyRead) {
  const std::string path = scratch_ / "picture.jpg";
  contract::WriteBytes(path, "0123456789");
  const OpenFile reader(OpenFileForReadDenyWrite(path.c_str()));
  ASSERT_TRUE(reader.valid());
  std::int64_t size = -7;
  EXPECT_TRUE(GetFileSizeEx(reader.get(), &size) && size == 10) << size;
  char buffer[16];
  std::memset(buffer, Poison, sizeof buffer);
  std::uint32_t read = 0xcccccccc;
  ASSERT_TRUE(ReadFile(reader.get(), buffer, 4, &read));
  EXPECT_EQ(read, 4u);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  EXPECT_EQ(static_cast<unsigned char>(buffer[4]), Poison);
  ASSERT_TRUE(ReadFile(reader.get(), buffer, sizeof buffer, &read));
  EXPECT_EQ(read, 6u) << "the rest";
  ASSERT_TRUE(ReadFile(reader.get(), buffer, sizeof buffer, &read));
  EXPECT_EQ(read, 0u) << "at the end";

  const OpenFile secondReader(OpenFileForReadDenyWrite(path.c_str()));
  EXPECT_TRUE(secondReader.valid()) << "readers share";
  std::uint32_t written = 0xcccccccc;
  SetLastError(PoisonError);
  EXPECT_FALSE(WriteFile(reader.get(), "x", 1, &written));
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorAccessDenied)) << "a read handle cannot write";

  struct Row {
    const char* what;
    bool (*attempt)(const std::string&, const std::string&);
  };
  const Row rows[] = {
      {"a writer",
       [](const std::string& p, const std::string&) { return OpenFile(CreateFileAnew(p.c_str())).valid(); }},
      {"deletion", [](const std::string& p, const std::string&) { return DeleteFileA(p.c_str()); }},
      {"renaming",
       [](const std::string& p, const std::string& other) { return MoveFileExA(p.c_str(), other.c_str(), 0); }},
  };
  for (const Row& row : rows) {
    SetLastError(PoisonError);
    EXPECT_FALSE(row.attempt(path, scratch_ / "other.jpg")) << row.what << " while a reader is open";
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorSharingViolation)) << row.what;
  }
  EXPECT_EQ(contract::ReadBytes(path), "0123456789");
}

// A reader (R) and a writer of a new file (W) refused, with the error each gives.
TEST_F(FilesContract, OpeningAFileFails) {
  contract::MakeFolder(scratch_ / "folder");
  struct Row {
    char opener;
    std::string path;
    std::uint32_t error;
    const char* why;
  };
  const Row rows[] = {
      {'R', scratch_ / "missing.jpg", ErrorFileNotFound, "a missing file"},
      {'R', scratch_ / "missing\\x.jpg", ErrorPathNotFound, "a missing folder"},
      {'R', scratch_ / "folder", ErrorAccessDenied, "a folder"},
      {'W', scratch_ / "data\\wallpaper.bmp", ErrorPathNotFound, "the folder is missing"},
      {'W', scratch_ / "folder", ErrorAccessDenied, "a folder in the file's place"},
  };
  for (const Row& row : rows) {
    SetLastError(PoisonError);
    const OpenFile file(row.opener == 'R' ? OpenFileForReadDenyWrite(row.path.c_str())
                                          : CreateFileAnew(row.path.c_str()));
    EXPECT_FALSE(file.valid()) << row.opener << ": " << row.why;
    EXPECT_EQ(GetLastError(), row.error) << row.opener << ": " << row.why;
  }
  EXPECT_FALSE(contract::Exists(scratch_ / "data"));
}

TEST_F(FilesContract, WritingANewFileReplacesTheOldOne) {
  const std::string path = scratch_ / "wallpaper.bmp";
  contract::WriteBytes(path, "a much longer old content");
  {
    const OpenFile writer(CreateFileAnew(path.c_str()));
    ASSERT_TRUE(writer.valid());
    std::uint32_t written = 0xcccccccc;
    ASSERT_TRUE(WriteFile(writer.get(), "BMnew", 5, &written));
    EXPECT_EQ(written, 5u);
    std::int64_t size = -7;
    EXPECT_TRUE(GetFileSizeEx(writer.get(), &size) && size == 5) << size;
    SetLastError(PoisonError);
    const OpenFile reader(OpenFileForReadDenyWrite(path.c_str()));
    EXPECT_FALSE(reader.valid()) << "a writer lets nobody in";
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorSharingViolation));
    char buffer[4];
    std::uint32_t read = 0;
    EXPECT_FALSE(ReadFile(writer.get(), buffer, sizeof buffer, &read)) << "a write handle cannot read";
  }
  EXPECT_EQ(contract::ReadBytes(path), "BMnew");
}

// Each row writes at an offset of a new file; what the file holds then.
TEST_F(FilesContract, WritingAtAnOffsetFillsAGapWithZerosAndOverwritesInPlace) {
  const std::string path = scratch_ / "pieces.bin";
  const OpenFile writer(CreateFileAnew(path.c_str()));
  ASSERT_TRUE(writer.valid());
  const struct {
    std::uint64_t offset;
    const char* bytes;
    std::string after;
  } rows[] = {{2, "cd", std::string("\0\0cd", 4)},
              {0, "ab", "abcd"},
              {1, "XYZW", "aXYZW"},
              {7, "!", std::string("aXYZW\0\0!", 8)}};
  for (const auto& row : rows) {
    std::uint32_t written = 0xcccccccc;
    const auto size = static_cast<std::uint32_t>(std::strlen(row.bytes));
    ASSERT_TRUE(WriteFileAt(writer.get(), row.offset, row.bytes, size, &written)) << row.offset;
    EXPECT_EQ(written, size) << row.offset;
    std::int64_t length = -1;
    EXPECT_TRUE(GetFileSizeEx(writer.get(), &length) && length == static_cast<std::int64_t>(row.after.size()));
  }
  std::uint32_t written = 0;
  EXPECT_TRUE(WriteFile(writer.get(), "+", 1, &written)) << "plain writes go on after the last one";
  EXPECT_TRUE(CloseHandle(writer.get()));
  EXPECT_EQ(contract::ReadBytes(path), std::string("aXYZW\0\0!+", 9));
}

TEST_F(FilesContract, ClosedAndUnknownHandles) {
  const std::string path = scratch_ / "x.txt";
  const Handle file = CreateFileAnew(path.c_str());
  ASSERT_NE(file, InvalidHandleValue);
  EXPECT_TRUE(CloseHandle(file));
  std::uint32_t written = 0;
  SetLastError(PoisonError);
  EXPECT_FALSE(WriteFile(InvalidHandleValue, "x", 1, &written));
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorInvalidHandle));
  std::int64_t size = -7;
  SetLastError(PoisonError);
  EXPECT_FALSE(GetFileSizeEx(InvalidHandleValue, &size));
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorInvalidHandle));
  EXPECT_EQ(size, -7) << "left as it was";
}

TEST_F(FilesContract, DeletingFiles) {
  contract::WriteBytes(scratch_ / "old.ini", "x");
  contract::MakeFolder(scratch_ / "folder");
  struct Row {
    std::string path;
    bool ok;
    std::uint32_t error;
    const char* why;
  };
  const Row rows[] = {
      {scratch_ / "OLD.INI", true, 0, "an existing file, any case"},
      {scratch_ / "old.ini", false, ErrorFileNotFound, "already gone"},
      {scratch_ / "missing\\x.ini", false, ErrorPathNotFound, "a missing folder"},
      {scratch_ / "folder", false, ErrorAccessDenied, "a folder"},
  };
  for (const Row& row : rows) {
    SetLastError(PoisonError);
    EXPECT_EQ(DeleteFileA(row.path.c_str()), row.ok) << row.why;
    if (!row.ok) {
      EXPECT_EQ(GetLastError(), row.error) << row.why;
    }
  }
  EXPECT_FALSE(contract::Exists(scratch_ / "old.ini"));
  EXPECT_TRUE(contract::Exists(scratch_ / "folder"));
}

TEST_F(FilesContract, MovingFiles) {
  contract::WriteBytes(scratch_ / "new.bmp", "new");
  contract::WriteBytes(scratch_ / "old.bmp", "old");
  contract::MakeFolder(scratch_ / "folder");
  SetLastError(PoisonError);
  EXPECT_FALSE(MoveFileExA((scratch_ / "new.bmp").c_str(), (scratch_ / "old.bmp").c_str(), 0));
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorAlreadyExists)) << "no replacing without the flag";
  EXPECT_TRUE(MoveFileExA((scratch_ / "new.bmp").c_str(), (scratch_ / "old.bmp").c_str(), MoveFileReplaceExisting));
  EXPECT_EQ(contract::ReadBytes(scratch_ / "old.bmp"), "new");
  EXPECT_FALSE(contract::Exists(scratch_ / "new.bmp"));
  EXPECT_TRUE(MoveFileExA((scratch_ / "old.bmp").c_str(), (scratch_ / "renamed.bmp").c_str(), 0));

  struct Row {
    std::string from;
    std::string to;
    std::uint32_t error;
    const char* why;
  };
  const Row rows[] = {
      {scratch_ / "missing.bmp", scratch_ / "x.bmp", ErrorFileNotFound, "a missing source"},
      {scratch_ / "renamed.bmp", scratch_ / "missing\\x.bmp", ErrorPathNotFound, "a missing target folder"},
      {scratch_ / "renamed.bmp", scratch_ / "folder", ErrorAccessDenied, "a folder in the target's place"},
  };
  for (const Row& row : rows) {
    SetLastError(PoisonError);
    EXPECT_FALSE(MoveFileExA(row.from.c_str(), row.to.c_str(), MoveFileReplaceExisting)) << row.why;
    EXPECT_EQ(GetLastError(), row.error) << row.why;
  }
  EXPECT_EQ(contract::ReadBytes(scratch_ / "renamed.bmp"), "new");
}

TEST_F(FilesContract, LowerCasingByTheAnsiCodePage) {
  struct Row {
    unsigned char in;
    unsigned char out;
    const char* why;
  };
  const Row rows[] = {
      {'A', 'a', "ASCII capitals"},
      {'Z', 'z', "ASCII capitals"},
      {'a', 'a', "small letters stay"},
      {'.', '.', "punctuation stays"},
      {0xC0, 0xE0, "A grave"},
      {0xC9, 0xE9, "E acute"},
      {0xDE, 0xFE, "thorn"},
      {0xD7, 0xD7, "the multiplication sign stays"},
      {0xDF, 0xDF, "sharp s stays"},
      {0x8A, 0x9A, "S caron"},
      {0x8C, 0x9C, "ligature OE"},
      {0x8E, 0x9E, "Z caron"},
      {0x9F, 0xFF, "Y diaeresis"},
      {0xE9, 0xE9, "small e acute stays"},
  };
  for (const Row& row : rows) {
    char buffer[3] = {static_cast<char>(row.in), static_cast<char>(Poison), 0};
    EXPECT_EQ(CharLowerBuffA(buffer, 1), 1u);
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), row.out) << row.why;
    EXPECT_EQ(static_cast<unsigned char>(buffer[1]), Poison) << "only len bytes";
  }
  char text[] = "Photo.JPEG";
  EXPECT_EQ(CharLowerBuffA(text, 10), 10u);
  EXPECT_STREQ(text, "photo.jpeg");
}

TEST_F(FilesContract, ModuleFileNameAndItsTruncation) {
  char full[MaxPath + 8];
  std::memset(full, Poison, sizeof full);
  const std::uint32_t length = GetModuleFileNameA(full, MaxPath);
  ASSERT_GT(length, 3u);
  ASSERT_LT(length, MaxPath);
  EXPECT_EQ(full[length], '\0');
  EXPECT_EQ(full[1], ':') << "a full path with a drive";

  char small[8];
  std::memset(small, Poison, sizeof small);
  SetLastError(PoisonError);
  EXPECT_EQ(GetModuleFileNameA(small, 4), 4u) << "the result equals the size";
  EXPECT_EQ(std::string(small, 4), std::string(full, 4)) << "filled to the brim";
  EXPECT_EQ(static_cast<unsigned char>(small[4]), Poison) << "no NUL, nothing beyond";
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorInsufficientBuffer));
}

// The program reads its arguments after its own name, which comes first,
// quoted when it is started the way the shell starts programs.
TEST_F(FilesContract, TheCommandLineStartsWithTheProgramsPath) {
  char module[MaxPath];
  ASSERT_GT(GetModuleFileNameA(module, MaxPath), 3u);
  const std::string line = GetCommandLineA();
  const std::string quoted = '"' + std::string(module) + '"';
  ASSERT_EQ(line.compare(0, quoted.size(), quoted), 0) << line;
  EXPECT_TRUE(line.size() == quoted.size() || line[quoted.size()] == ' ') << line;
}

TEST_F(FilesContract, WindowsDirectory) {
  char folder[MaxPath];
  std::memset(folder, Poison, sizeof folder);
  const std::uint32_t length = GetWindowsDirectoryA(folder, MaxPath);
  ASSERT_GT(length, 2u);
  EXPECT_EQ(folder[length], '\0');
  EXPECT_NE(folder[length - 1], '\\') << "no trailing backslash";

  char small[4];
  std::memset(small, Poison, sizeof small);
  EXPECT_EQ(GetWindowsDirectoryA(small, sizeof small), length + 1) << "the size needed, NUL included";
  EXPECT_EQ(static_cast<unsigned char>(small[0]), Poison) << "the buffer is left alone";
}

}  // namespace
