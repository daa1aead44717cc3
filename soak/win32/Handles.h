#pragma once
// Ownership of the kernel handles the watcher opens.

#include <windows.h>

#include <memory>

namespace soak {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

}  // namespace soak
