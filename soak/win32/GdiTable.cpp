#include "GdiTable.h"

#include <cstdint>
#include <vector>

namespace soak {

namespace {

// The 32-bit PEB keeps the table's address at this offset.
constexpr std::uintptr_t pebGdiTableOffset = 0x94;
constexpr std::size_t tableEntries = 0x10000;
// The first handle index in use, and how many stock objects follow it.
constexpr std::size_t firstHandle = 32;
constexpr std::size_t stockObjects = 20;
constexpr std::uint8_t brushType = 0x10;

#pragma pack(push, 1)
struct HandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint8_t extTypeAndStock;  // low 7 bits the extended type, top bit the stock flag
  std::uint8_t generation;
  std::uint8_t type;  // 0: a free entry
  std::uint8_t flags;
  std::uint64_t userPointer;
};
#pragma pack(pop)
static_assert(sizeof(HandleEntry) == 24);
constexpr std::size_t tableBytes = tableEntries * sizeof(HandleEntry);

struct BasicInformation {
  LONG exitStatus;
  void* pebBaseAddress;
  ULONG_PTR affinityMask;
  LONG basePriority;
  ULONG_PTR uniqueProcessId;
  ULONG_PTR inheritedFromUniqueProcessId;
};

using QueryInformationProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

bool Read(HANDLE process, std::uintptr_t address, void* buffer, std::size_t size) {
  SIZE_T done = 0;
  return ReadProcessMemory(process, reinterpret_cast<const void*>(address), buffer, size, &done) && done == size;
}

std::uintptr_t TableFromPeb(HANDLE process) {
  const auto query = reinterpret_cast<QueryInformationProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  BasicInformation information{};
  if (!query || query(process, 0 /* ProcessBasicInformation */, &information, sizeof information, nullptr) != 0)
    return 0;
  std::uint32_t table = 0;
  if (!Read(process, reinterpret_cast<std::uintptr_t>(information.pebBaseAddress) + pebGdiTableOffset, &table,
            sizeof table))
    return 0;
  return table;
}

// The stock objects sit in fixed slots from the first handle on, the white
// brush first, all flagged as stock.
bool LooksLikeTable(HANDLE process, std::uintptr_t address) {
  HandleEntry stock[stockObjects];
  if (!Read(process, address + firstHandle * sizeof(HandleEntry), stock, sizeof stock)) return false;
  if (stock[0].type != brushType) return false;
  for (const HandleEntry& entry : stock)
    if (entry.type == 0 || !(entry.extTypeAndStock & 0x80)) return false;
  return true;
}

std::uintptr_t TableFromRegions(HANDLE process) {
  std::uintptr_t address = 0;
  MEMORY_BASIC_INFORMATION region{};
  while (VirtualQueryEx(process, reinterpret_cast<const void*>(address), &region, sizeof region) == sizeof region) {
    const auto base = reinterpret_cast<std::uintptr_t>(region.BaseAddress);
    if (region.State == MEM_COMMIT && region.Protect == PAGE_READWRITE && region.AllocationBase == region.BaseAddress &&
        region.RegionSize >= tableBytes && LooksLikeTable(process, base))
      return base;
    if (base + region.RegionSize <= address) break;
    address = base + region.RegionSize;
  }
  return 0;
}

}  // namespace

std::optional<GdiCount> CountGdiObjects(HANDLE process) {
  std::uintptr_t table = TableFromPeb(process);
  if (table == 0 || !LooksLikeTable(process, table)) table = TableFromRegions(process);
  if (table == 0) return std::nullopt;
  std::vector<HandleEntry> entries(tableEntries);
  if (!Read(process, table, entries.data(), tableBytes)) return std::nullopt;
  GdiCount count{0, 0};
  for (const HandleEntry& entry : entries) {
    if (entry.type == 0) continue;
    if (entry.extTypeAndStock & 0x80)
      ++count.stock;
    else
      ++count.objects;
  }
  return count;
}

}  // namespace soak
