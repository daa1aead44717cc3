#pragma once
// The kernel handles a process holds, counted in the system's handle list
// (NtQuerySystemInformation, SystemHandleInformation), which Wine answers
// from its server's tables; its GetProcessHandleCount answers 0.

#include <windows.h>

#include <optional>

namespace soak {

// Empty when the list cannot be read.
std::optional<unsigned> CountKernelHandles(DWORD processId);

}  // namespace soak
