#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "system/ScratchArea.h"

namespace systemtest {

namespace {

// Empties and removes a folder tree; links are removed, never followed.
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        RemoveTree(path + "\\");
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryA(path.c_str());
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

struct ScratchArea::Host {};

ScratchArea::ScratchArea() {
  char temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
  for (unsigned n = GetCurrentProcessId();; ++n) {
    const std::string candidate = std::string(temp) + "muralto-system-" + std::to_string(n);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      folder_ = candidate + "\\";
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make " + candidate);
  }
}

ScratchArea::~ScratchArea() { RemoveTree(folder_); }

void ScratchArea::MakeFolder(const std::string& name) {
  if (!CreateDirectoryA((folder_ + name).c_str(), nullptr)) throw std::runtime_error("cannot make " + name);
}

bool ScratchArea::MarkHidden(const std::string& name) {
  const std::string path = folder_ + name;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN) &&
         (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
}

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

}  // namespace systemtest
