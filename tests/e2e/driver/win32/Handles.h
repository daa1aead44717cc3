#pragma once
// Ownership of the kernel handles, keys and remote memory the driver uses.

#include <windows.h>

#include <memory>

namespace e2e {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// Memory allocated inside another process.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, SIZE_T size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  void* Address() const { return address_; }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace e2e
