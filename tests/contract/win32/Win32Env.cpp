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

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data{};
  const HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
          (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        RemoveTree(child);
      } else if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        ::RemoveDirectoryA(child.c_str());
      } else {
        ::DeleteFileA(child.c_str());
      }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
  }
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::RemoveDirectoryA(path.c_str());
}

}  // namespace

void FreshMachine() {}

bool RunsOnWine() {
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool HeadlessWine() {
  const char* display = std::getenv("DISPLAY");
  return RunsOnWine() && (display == nullptr || *display == '\0');
}

ScratchFolder::ScratchFolder() {
  char temp[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathA(sizeof temp, temp);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
  static unsigned counter = 0;
  for (;;) {
    std::string candidate = std::string(temp) + "muralto-contract-" + std::to_string(::GetCurrentProcessId()) + "-" +
                            std::to_string(++counter);
    if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make " + candidate);
  }
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

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
