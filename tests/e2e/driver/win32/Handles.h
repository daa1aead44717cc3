#pragma once
// Ownership of the kernel handles, keys and remote memory the driver uses,
// the program's own way.

#include <windows.h>

#include "platform/UniqueHandle.h"

namespace e2e {

using UniqueHandle = platform::UniqueHandle<HANDLE, BOOL(WINAPI*)(HANDLE)>;
// A process or thread handle; none is 0, what OpenProcess gives when it fails.
inline UniqueHandle OwnHandle(HANDLE handle) { return UniqueHandle(handle, &CloseHandle); }

using UniqueKey = platform::UniqueHandle<HKEY, LONG(WINAPI*)(HKEY)>;
inline UniqueKey OwnKey(HKEY key) { return UniqueKey(key, &RegCloseKey); }

// Memory allocated inside another process; none is a null address.
inline auto RemoteMemory(HANDLE process, SIZE_T size) {
  return platform::UniqueHandle(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE),
                                [process](void* address) { VirtualFreeEx(process, address, 0, MEM_RELEASE); });
}

}  // namespace e2e
