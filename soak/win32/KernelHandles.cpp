#include "KernelHandles.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace soak {

namespace {

constexpr int systemHandleInformation = 16;
constexpr LONG infoLengthMismatch = static_cast<LONG>(0xC0000004);

struct HandleEntry {
  ULONG ownerPid;
  UCHAR objectType;
  UCHAR flags;
  USHORT handle;
  void* object;
  ACCESS_MASK access;
};

using QuerySystemInformation = LONG(WINAPI*)(int, void*, ULONG, ULONG*);

}  // namespace

std::optional<unsigned> CountKernelHandles(DWORD processId) {
  const auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return std::nullopt;
  std::vector<unsigned char> buffer(1 << 18);
  for (;;) {
    ULONG needed = 0;
    const LONG status = query(systemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == infoLengthMismatch && buffer.size() < (64u << 20)) {
      buffer.resize(needed > buffer.size() ? needed + 4096 : buffer.size() * 2);
      continue;
    }
    if (status != 0) return std::nullopt;
    break;
  }
  ULONG total = 0;
  std::memcpy(&total, buffer.data(), sizeof total);
  const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
  unsigned count = 0;
  for (ULONG i = 0; i < total && sizeof(ULONG_PTR) + (i + 1) * sizeof(HandleEntry) <= buffer.size(); ++i)
    if (entries[i].ownerPid == processId) ++count;
  return count;
}

}  // namespace soak
