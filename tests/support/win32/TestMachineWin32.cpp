#include <windows.h>

#include <stdexcept>
#include <string>

#include "support/TestMachine.h"

namespace support {

TestMachine::TestMachine() : folder_(root_.Path() + "\\") {}

TestMachine::~TestMachine() = default;

void TestMachine::MakeFolder(const std::string& name) const {
  if (!CreateDirectoryA((folder_ + name).c_str(), nullptr)) throw std::runtime_error("cannot make " + name);
}

namespace {

bool AddAttribute(const std::string& path, DWORD bit) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && SetFileAttributesA(path.c_str(), attributes | bit) &&
         (GetFileAttributesA(path.c_str()) & bit) != 0;
}

}  // namespace

bool TestMachine::MarkHidden(const std::string& name) const {
  return AddAttribute(folder_ + name, FILE_ATTRIBUTE_HIDDEN);
}

bool TestMachine::MarkSystem(const std::string& name) const {
  return AddAttribute(folder_ + name, FILE_ATTRIBUTE_SYSTEM);
}

bool TestMachine::MarkReadOnlyFolder(const std::string& name) const {
  const std::string path = folder_ + name;
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY) &&
         GetFileAttributesA(path.c_str()) == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY);
}

bool TestMachine::MakeFolderLink(const std::string& linkName, const std::string& targetName) const {
  using CreateLink = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);
  const auto create = reinterpret_cast<CreateLink>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
  if (!create) return false;
  const std::string link = folder_ + linkName;
  return create(link.c_str(), (folder_ + targetName).c_str(), 1 /* SYMBOLIC_LINK_FLAG_DIRECTORY */) &&
         (GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace support
