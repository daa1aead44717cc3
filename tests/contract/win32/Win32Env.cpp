// The contract tests' machine when it is Windows (or Wine): scratch folders
// in the temporary folder, made and removed with the plain API. Entries
// only POSIX can make come from the wrapper script with-posix-fixture.
#include <windows.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "contract/ContractEnv.h"

namespace contract {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

void FreshMachine() {}

bool RunsOnWine() {
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool Simulated() { return false; }

bool HeadlessWine() {
  const char* display = std::getenv("DISPLAY");
  return RunsOnWine() && (display == nullptr || *display == '\0');
}

ScratchFolder::ScratchFolder()
    : folder_(std::make_unique<support::TempFolder>("muralto-contract-")), path_(folder_->Path()) {}

ScratchFolder::~ScratchFolder() = default;

void WriteBytes(const std::string& windowsPath, const std::string& bytes) {
  const FileHandle file(
      ::CreateFileA(windowsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file.get() == INVALID_HANDLE_VALUE ||
      !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    throw std::runtime_error("cannot write " + windowsPath);
  }
}

std::string ReadBytes(const std::string& windowsPath) {
  const FileHandle file(::CreateFileA(windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  while (::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
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

}  // namespace contract
