#pragma once
// What a contract test needs of the machine it runs on, done without the
// platform calls under test: scratch folders, files written and read back,
// attributes set, and entries only POSIX can make. One implementation
// drives the simulated Windows (sim/), the other the real one (win32/).
#include <cstdint>
#include <memory>
#include <string>

#include "support/TempFolder.h"

namespace contract {

// Gives every test a machine in its starting state (the sim is reset).
void FreshMachine();

// Whether this is Wine without an X display: its screen then has a size
// but no pixels to copy. Never so in the sim or on Windows.
bool HeadlessWine();

// A new empty folder, removed with everything in it when the object ends.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Windows path without a trailing backslash.
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::unique_ptr<support::TempFolder> folder_;
  std::string path_;
};

void WriteBytes(const std::string& windowsPath, const std::string& bytes);
// "" for a missing file; see Exists.
std::string ReadBytes(const std::string& windowsPath);
bool Exists(const std::string& windowsPath);
void MakeFolder(const std::string& windowsPath);
// Adds FILE_ATTRIBUTE_HIDDEN / _SYSTEM to an existing entry.
void AddAttributes(const std::string& windowsPath, std::uint32_t bits);

// A folder holding entries only POSIX calls can make, or "" when this run
// has none (the Windows run gets it from a wrapper script):
//   plain.txt   a file of 5 bytes
//   readonly    a folder of mode 555
//   target      a folder; linkdir -> target
//   linkfile -> plain.txt
//   broken   -> a path that does not exist
std::string PosixFixture();

// An item-ID list of the shell's, freed by the test with CoTaskMemFree: of
// an existing folder, or of a place without a file-system path (the
// computer's drives).
std::uintptr_t ItemIdListOfFolder(const std::string& windowsPath);
std::uintptr_t ItemIdListWithoutPath();

}  // namespace contract
