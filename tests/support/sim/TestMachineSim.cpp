#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "platform/files.h"
#include "platform/sim/world.h"
#include "support/TestMachine.h"

namespace support {

namespace fs = std::filesystem;

TestMachine::TestMachine() : folder_(DataDir) { Restart(); }

TestMachine::~TestMachine() { sim::Reset(); }

void TestMachine::Restart() const {
  sim::Reset();
  sim::MapDrive('C', root_.Path());
  MakeDir(DataDir);
  MakeDir("C:\\Windows");
  sim::SetModuleFileName(ExePath);
  sim::SetWindowsDirectory("C:\\Windows");
}

std::string TestMachine::Host(const std::string& windowsPath) const {
  if (windowsPath.size() < 2 || (windowsPath[0] != 'C' && windowsPath[0] != 'c') || windowsPath[1] != ':') {
    throw std::invalid_argument("not a path on C: " + windowsPath);
  }
  std::string rest = windowsPath.substr(2);
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  return root_.Path() + (rest.empty() || rest.front() != '/' ? "/" : "") + rest;
}

void TestMachine::MakeDir(const std::string& windowsPath) const { fs::create_directories(Host(windowsPath)); }

void TestMachine::WriteFile(const std::string& windowsPath, const std::string& bytes) const {
  std::ofstream out(Host(windowsPath), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + windowsPath);
}

std::string TestMachine::ReadFile(const std::string& windowsPath) const {
  std::ifstream in(Host(windowsPath), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + windowsPath);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool TestMachine::Exists(const std::string& windowsPath) const { return fs::exists(Host(windowsPath)); }

void TestMachine::Remove(const std::string& windowsPath) const {
  std::error_code ignored;
  fs::remove_all(Host(windowsPath), ignored);
}

void TestMachine::MakeFolder(const std::string& name) const { MakeDir(folder_ + name); }

bool TestMachine::MarkHidden(const std::string& name) const {
  sim::SetExtraAttributes(folder_ + name, platform::FileAttributeHidden);
  return true;
}

bool TestMachine::MarkSystem(const std::string& name) const {
  sim::SetExtraAttributes(folder_ + name, platform::FileAttributeSystem);
  return true;
}

bool TestMachine::MarkReadOnlyFolder(const std::string& name) const {
  sim::SetExtraAttributes(folder_ + name, platform::FileAttributeReadonly);
  return true;
}

bool TestMachine::MakeFolderLink(const std::string& linkName, const std::string& targetName) const {
  std::error_code error;
  fs::create_directory_symlink(Host(folder_ + targetName), Host(folder_ + linkName), error);
  return !error;
}

}  // namespace support
