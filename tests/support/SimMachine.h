#pragma once
// A fresh simulated machine for one test: the registry of a new user, drive
// C: mapped to a new temporary host folder holding the program's folder
// C:\Muralto\ (with data\), the executable C:\Muralto\Muralto.exe and the
// Windows folder C:\Windows. Everything goes when the object goes.
// sim::Reset() is the one reset of the machine; this object calls it.
#include <string>

#include "support/TempFolder.h"

namespace support {

class SimMachine {
 public:
  SimMachine();
  ~SimMachine();
  SimMachine(const SimMachine&) = delete;
  SimMachine& operator=(const SimMachine&) = delete;

  // The machine starts afresh (sim::Reset) on the same disk: the files under
  // C: stay, everything else (windows, registry, records) is new.
  void Restart() const;

  static constexpr const char* AppDir = "C:\\Muralto\\";
  static constexpr const char* ExePath = "C:\\Muralto\\Muralto.exe";
  static constexpr const char* DataDir = "C:\\Muralto\\data\\";

  // Host folder behind C:.
  const std::string& HostRoot() const { return root_.Path(); }
  // Host path of a path on C:.
  std::string Host(const std::string& windowsPath) const;

  void MakeDir(const std::string& windowsPath) const;
  void WriteFile(const std::string& windowsPath, const std::string& bytes) const;
  std::string ReadFile(const std::string& windowsPath) const;
  bool Exists(const std::string& windowsPath) const;
  void Remove(const std::string& windowsPath) const;

 private:
  TempFolder root_{"muralto-test-"};
};

}  // namespace support
