#pragma once
// A fresh machine for one test, with a scratch folder. Natively a new
// simulated Windows: the registry of a new user, drive C: mapped to a new
// host folder holding the program's folder C:\Muralto\ (with data\, the
// scratch folder), the executable C:\Muralto\Muralto.exe and the Windows
// folder C:\Windows; sim::Reset() is the one reset of the machine, and this
// object calls it. On Windows the real system, with a new scratch folder in
// the temporary folder. Everything goes when the object goes.
#include <string>

#include "support/TempFolder.h"

namespace support {

class TestMachine {
 public:
  TestMachine();
  ~TestMachine();
  TestMachine(const TestMachine&) = delete;
  TestMachine& operator=(const TestMachine&) = delete;

  // The scratch folder, a Windows path ending in "\".
  const std::string& Folder() const { return folder_; }
  // Names are relative to Folder(); MakeFile returns the new file's path.
  // The Mark and Make calls return false when the system cannot do it (Wine
  // keeps no read-only bit on a folder, and lists no link it makes), so
  // that the test can expect Wine's way.
  std::string MakeFile(const std::string& name, const std::string& bytes) const;
  void MakeFolder(const std::string& name) const;
  bool MarkHidden(const std::string& name) const;
  bool MarkSystem(const std::string& name) const;
  bool MarkReadOnlyFolder(const std::string& name) const;
  bool MakeFolderLink(const std::string& linkName, const std::string& targetName) const;

  // The simulated machine's own, for native tests.
  // It starts afresh (sim::Reset) on the same disk: the files under C:
  // stay, everything else (windows, registry, records) is new.
  void Restart() const;

  static constexpr const char* AppDir = "C:\\Muralto\\";
  static constexpr const char* ExePath = "C:\\Muralto\\Muralto.exe";
  static constexpr const char* DataDir = "C:\\Muralto\\data\\";

  // Host folder behind C:, and the host path of a path on C:.
  const std::string& HostRoot() const { return root_.Path(); }
  std::string Host(const std::string& windowsPath) const;

  void MakeDir(const std::string& windowsPath) const;
  void WriteFile(const std::string& windowsPath, const std::string& bytes) const;
  std::string ReadFile(const std::string& windowsPath) const;
  bool Exists(const std::string& windowsPath) const;
  void Remove(const std::string& windowsPath) const;

 private:
  // Natively the host folder behind C:; on Windows the scratch folder.
  TempFolder root_{"muralto-test-"};
  std::string folder_;
};

}  // namespace support
