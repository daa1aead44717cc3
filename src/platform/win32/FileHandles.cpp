// Files over the real API: the two ways the program opens them, their
// bytes, deletion and renaming.
#include <windows.h>

#include "platform/files.h"

namespace platform {

namespace {

HANDLE Native(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

Handle OpenFileForReadDenyWrite(const char* path) {
  return reinterpret_cast<Handle>(
      ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

Handle CreateFileAnew(const char* path) {
  return reinterpret_cast<Handle>(
      ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ReadFile(Handle file, void* buffer, std::uint32_t toRead, std::uint32_t* read) {
  DWORD done = 0;
  const BOOL ok = ::ReadFile(Native(file), buffer, toRead, &done, nullptr);
  if (read != nullptr) *read = done;
  return ok != FALSE;
}

bool WriteFile(Handle file, const void* buffer, std::uint32_t toWrite, std::uint32_t* written) {
  DWORD done = 0;
  const BOOL ok = ::WriteFile(Native(file), buffer, toWrite, &done, nullptr);
  if (written != nullptr) *written = done;
  return ok != FALSE;
}

bool WriteFileAt(Handle file, std::uint64_t offset, const void* buffer, std::uint32_t toWrite, std::uint32_t* written) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD done = 0;
  const BOOL ok = ::WriteFile(Native(file), buffer, toWrite, &done, &at);
  if (written != nullptr) *written = done;
  return ok != FALSE;
}

bool GetFileSizeEx(Handle file, std::int64_t* size) {
  LARGE_INTEGER got{};
  if (size == nullptr || !::GetFileSizeEx(Native(file), &got)) return false;
  *size = got.QuadPart;
  return true;
}

bool CloseHandle(Handle handle) { return ::CloseHandle(Native(handle)) != FALSE; }

bool DeleteFileA(const char* path) { return ::DeleteFileA(path) != FALSE; }

bool MoveFileExA(const char* from, const char* to, std::uint32_t flags) {
  return ::MoveFileExA(from, to, flags) != FALSE;
}

}  // namespace platform
