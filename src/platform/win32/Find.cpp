// Folder enumeration and attributes over the real API.
#include <windows.h>

#include <cstring>

#include "platform/files.h"

namespace platform {

namespace {

void Convert(const WIN32_FIND_DATAA& native, FindDataA* data) {
  data->dwFileAttributes = native.dwFileAttributes;
  data->nFileSize = (static_cast<std::uint64_t>(native.nFileSizeHigh) << 32) | native.nFileSizeLow;
  static_assert(sizeof data->cFileName == sizeof native.cFileName);
  std::memcpy(data->cFileName, native.cFileName, sizeof data->cFileName);
}

}  // namespace

Handle FindFirstFileA(const char* pattern, FindDataA* data) {
  WIN32_FIND_DATAA native{};
  const HANDLE find = ::FindFirstFileA(pattern, &native);
  if (find != INVALID_HANDLE_VALUE && data != nullptr) Convert(native, data);
  return reinterpret_cast<Handle>(find);
}

bool FindNextFileA(Handle find, FindDataA* data) {
  WIN32_FIND_DATAA native{};
  if (!::FindNextFileA(reinterpret_cast<HANDLE>(find), &native)) return false;
  if (data != nullptr) Convert(native, data);
  return true;
}

bool FindClose(Handle find) { return ::FindClose(reinterpret_cast<HANDLE>(find)) != FALSE; }

std::uint32_t GetFileAttributesA(const char* path) { return ::GetFileAttributesA(path); }

}  // namespace platform
