// The contract tests' machine when it is Windows (or Wine): scratch folders
// in the temporary folder, made and removed with the plain API. Entries
// only POSIX can make come from the wrapper script with-posix-fixture.
#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "contract/ContractEnv.h"
#include "platform/UniqueHandle.h"
#include "support/WineDeviation.h"

namespace contract {

namespace {

// A file opened for one call; none is INVALID_HANDLE_VALUE.
platform::UniqueHandle<HANDLE, BOOL(WINAPI*)(HANDLE)> Open(HANDLE file) {
  return {file, &::CloseHandle, INVALID_HANDLE_VALUE};
}

}  // namespace

void FreshMachine() {}

bool HeadlessWine() {
  const char* display = std::getenv("DISPLAY");
  return support::RunsOnWine() && (display == nullptr || *display == '\0');
}

ScratchFolder::ScratchFolder()
    : folder_(std::make_unique<support::TempFolder>("muralto-contract-")), path_(folder_->Path()) {}

ScratchFolder::~ScratchFolder() = default;

void WriteBytes(const std::string& windowsPath, const std::string& bytes) {
  const auto file = Open(
      ::CreateFileA(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file.Valid() || !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    throw std::runtime_error("cannot write " + windowsPath);
  }
}

std::string ReadBytes(const std::string& windowsPath) {
  const auto file = Open(::CreateFileA(windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return "";
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  while (::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
  return text;
}

bool Exists(const std::string& windowsPath) {
  return ::GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::string& windowsPath) { ::CreateDirectoryA(windowsPath.c_str(), nullptr); }

void AddAttributes(const std::string& windowsPath, std::uint32_t bits) {
  const DWORD now = ::GetFileAttributesA(windowsPath.c_str());
  if (now == INVALID_FILE_ATTRIBUTES || !::SetFileAttributesA(windowsPath.c_str(), now | bits)) {
    throw std::runtime_error("cannot set attributes of " + windowsPath);
  }
}

std::string PosixFixture() {
  const char* host = std::getenv("MURALTO_CONTRACT_POSIX");
  if (host == nullptr || *host == '\0') return "";
  std::string path = std::string("Z:") + host;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::uintptr_t ItemIdListOfFolder(const std::string& windowsPath) {
  return reinterpret_cast<std::uintptr_t>(::ILCreateFromPathA(windowsPath.c_str()));
}

std::uintptr_t ItemIdListWithoutPath() {
  LPITEMIDLIST item = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &item))) return 0;
  return reinterpret_cast<std::uintptr_t>(item);
}

}  // namespace contract
