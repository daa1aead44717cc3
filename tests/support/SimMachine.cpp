#include "support/SimMachine.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/sim/world.h"

namespace support {

namespace fs = std::filesystem;

SimMachine::SimMachine() { Restart(); }

void SimMachine::Restart() const {
  sim::Reset();
  sim::MapDrive('C', root_.Path());
  MakeDir(DataDir);
  MakeDir("C:\\Windows");
  sim::SetModuleFileName(ExePath);
  sim::SetWindowsDirectory("C:\\Windows");
}

SimMachine::~SimMachine() { sim::Reset(); }

std::string SimMachine::Host(const std::string& windowsPath) const {
  if (windowsPath.size() < 2 || (windowsPath[0] != 'C' && windowsPath[0] != 'c') || windowsPath[1] != ':') {
    throw std::invalid_argument("not a path on C: " + windowsPath);
  }
  std::string rest = windowsPath.substr(2);
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  return root_.Path() + (rest.empty() || rest.front() != '/' ? "/" : "") + rest;
}

void SimMachine::MakeDir(const std::string& windowsPath) const { fs::create_directories(Host(windowsPath)); }

void SimMachine::WriteFile(const std::string& windowsPath, const std::string& bytes) const {
  std::ofstream out(Host(windowsPath), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + windowsPath);
}

std::string SimMachine::ReadFile(const std::string& windowsPath) const {
  std::ifstream in(Host(windowsPath), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + windowsPath);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool SimMachine::Exists(const std::string& windowsPath) const { return fs::exists(Host(windowsPath)); }

void SimMachine::Remove(const std::string& windowsPath) const {
  std::error_code ignored;
  fs::remove_all(Host(windowsPath), ignored);
}

}  // namespace support
