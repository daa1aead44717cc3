#pragma once
// Files and folders: enumeration, attributes and plain byte streams.
#include <cstdint>

#include "platform/types.h"

namespace platform {

inline constexpr std::uint32_t FileAttributeReadonly = 0x1;
inline constexpr std::uint32_t FileAttributeHidden = 0x2;
inline constexpr std::uint32_t FileAttributeSystem = 0x4;
inline constexpr std::uint32_t FileAttributeDirectory = 0x10;
inline constexpr std::uint32_t FileAttributeArchive = 0x20;
inline constexpr std::uint32_t FileAttributeNormal = 0x80;
inline constexpr std::uint32_t FileAttributeReparsePoint = 0x400;
inline constexpr std::uint32_t InvalidFileAttributes = 0xFFFFFFFFu;

struct FindDataA {
  std::uint32_t dwFileAttributes = 0;
  std::uint64_t nFileSize = 0;
  char cFileName[MaxPath] = {};
};

// InvalidHandleValue when the pattern matches nothing or the folder cannot be read.
Handle FindFirstFileA(const char* pattern, FindDataA* data);
bool FindNextFileA(Handle find, FindDataA* data);
bool FindClose(Handle find);

std::uint32_t GetFileAttributesA(const char* path);
bool DeleteFileA(const char* path);
// MOVEFILE_REPLACE_EXISTING: replaces dest in one step where the system can.
inline constexpr std::uint32_t MoveFileReplaceExisting = 0x1;
bool MoveFileExA(const char* from, const char* to, std::uint32_t flags);

// CreateFileA for the two uses the program has: reading while other writers
// are denied (GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING) and writing a new
// file that replaces any older one (GENERIC_WRITE, no sharing, CREATE_ALWAYS).
Handle OpenFileForReadDenyWrite(const char* path);
Handle CreateFileAnew(const char* path);
bool ReadFile(Handle file, void* buffer, std::uint32_t toRead, std::uint32_t* read);
bool WriteFile(Handle file, const void* buffer, std::uint32_t toWrite, std::uint32_t* written);
// WriteFile with an OVERLAPPED offset on a handle opened for plain writes: the
// bytes go to that offset from the file's start, a gap before them reads as
// zeros, and the call returns when they are written, the file's position
// moved to their end.
bool WriteFileAt(Handle file, std::uint64_t offset, const void* buffer, std::uint32_t toWrite, std::uint32_t* written);
// Size of an open file into *size; false (the last error set, *size left as
// it was) when the handle is not an open file.
bool GetFileSizeEx(Handle file, std::int64_t* size);
bool CloseHandle(Handle handle);

// Lower-cases len bytes in place by the ANSI code page; returns len.
std::uint32_t CharLowerBuffA(char* buffer, std::uint32_t len);

// The executable's full path. Like the real call, a buffer that is too small
// is filled without a terminating NUL and the result equals size.
std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size);
// The command line the process was started with, as one text.
const char* GetCommandLineA();
// The Windows folder without a trailing backslash; 0 on failure, or the size
// needed when the buffer is too small.
std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size);

}  // namespace platform
