// The contract tests' machine when it is the simulated Windows: C: maps to
// a host folder of this process (with a "windows" folder in it), scratch
// folders lie on C:, and POSIX entries are made with POSIX calls.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "contract/ContractEnv.h"
#include "platform/shell.h"
#include "platform/sim/shell_world.h"
#include "platform/sim/world.h"

namespace contract {

namespace {

namespace fs = std::filesystem;

const std::string& DriveC() {
  static const support::TempFolder folder("muralto-contract-c-");
  static const bool made = fs::create_directories(folder.Path() + "/windows");
  (void)made;
  return folder.Path();
}

std::string Host(const std::string& windowsPath) {
  const std::string host = sim::HostPath(windowsPath);
  if (host.empty()) throw std::runtime_error("no host path for " + windowsPath);
  return host;
}

}  // namespace

void FreshMachine() {
  sim::Reset();
  sim::MapDrive('C', DriveC());
}

bool HeadlessWine() { return false; }

ScratchFolder::ScratchFolder() {
  sim::MapDrive('C', DriveC());
  folder_ = std::make_unique<support::TempFolder>("scratch-", DriveC());
  path_ = sim::WindowsPath(folder_->Path());
}

ScratchFolder::~ScratchFolder() = default;

void WriteBytes(const std::string& windowsPath, const std::string& bytes) {
  std::ofstream out(Host(windowsPath), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + windowsPath);
}

std::string ReadBytes(const std::string& windowsPath) {
  std::ifstream in(Host(windowsPath), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Exists(const std::string& windowsPath) {
  struct stat st {};
  return lstat(Host(windowsPath).c_str(), &st) == 0;
}

void MakeFolder(const std::string& windowsPath) { fs::create_directory(Host(windowsPath)); }

void AddAttributes(const std::string& windowsPath, std::uint32_t bits) { sim::SetExtraAttributes(windowsPath, bits); }

std::string PosixFixture() {
  static const support::TempFolder folder("muralto-contract-posix-");
  static const bool made = [] {
    const std::string root = folder.Path();
    std::ofstream(root + "/plain.txt", std::ios::binary) << "hello";
    fs::create_directory(root + "/readonly");
    chmod((root + "/readonly").c_str(), 0555);
    fs::create_directory(root + "/target");
    fs::create_directory_symlink("target", root + "/linkdir");
    fs::create_symlink("plain.txt", root + "/linkfile");
    fs::create_symlink("does-not-exist", root + "/broken");
    return true;
  }();
  (void)made;
  return sim::WindowsPath(folder.Path());
}

namespace {
// The simulated shell hands out item-ID lists only from its folder browser.
std::uintptr_t Browse(const std::string& answer) {
  sim::SetBrowseHandler([answer](const sim::BrowseCall&) { return answer; });
  const platform::BrowseInfo info;
  const platform::Pidl item = platform::SHBrowseForFolderA(&info);
  sim::SetBrowseHandler(nullptr);
  return item;
}
}  // namespace

std::uintptr_t ItemIdListOfFolder(const std::string& windowsPath) { return Browse(windowsPath); }
std::uintptr_t ItemIdListWithoutPath() { return Browse(sim::BrowseVirtualItem); }

}  // namespace contract
