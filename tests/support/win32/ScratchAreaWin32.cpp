#include <windows.h>

#include <stdexcept>
#include <string>

#include "support/ScratchArea.h"
#include "support/TempFolder.h"

namespace support {

struct ScratchArea::Host {
  TempFolder folder{"muralto-system-"};
};

ScratchArea::ScratchArea() : host_(std::make_unique<Host>()), folder_(host_->folder.Path() + "\\") {}

ScratchArea::~ScratchArea() = default;

void ScratchArea::MakeFolder(const std::string& name) {
  if (!CreateDirectoryA((folder_ + name).c_str(), nullptr)) throw std::runtime_error("cannot make " + name);
}

namespace {

bool AddAttribute(const std::string& path, DWORD bit) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && SetFileAttributesA(path.c_str(), attributes | bit) &&
         (GetFileAttributesA(path.c_str()) & bit) != 0;
}

}  // namespace

bool ScratchArea::MarkHidden(const std::string& name) { return AddAttribute(folder_ + name, FILE_ATTRIBUTE_HIDDEN); }

bool ScratchArea::MarkSystem(const std::string& name) { return AddAttribute(folder_ + name, FILE_ATTRIBUTE_SYSTEM); }

bool ScratchArea::MarkReadOnlyFolder(const std::string& name) {
  const std::string path = folder_ + name;
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY) &&
         GetFileAttributesA(path.c_str()) == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY);
}

bool ScratchArea::MakeFolderLink(const std::string& linkName, const std::string& targetName) {
  using CreateLink = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);
  const auto create = reinterpret_cast<CreateLink>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
  if (!create) return false;
  const std::string link = folder_ + linkName;
  return create(link.c_str(), (folder_ + targetName).c_str(), 1 /* SYMBOLIC_LINK_FLAG_DIRECTORY */) &&
         (GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace support
