#pragma once
// What the watcher reads of the program once a minute, from outside.

#include <windows.h>

#include <string>

namespace soak {

// One line of "name=value" pairs, tab-separated: the memory counters of
// GetProcessMemoryInfo, what GetGuiResources answers for GDI and USER
// objects (and the error it leaves), GetProcessHandleCount and the kernel
// handles of the system's handle list, the windows
// the process owns (top-level and children: the USER objects that can be
// counted from outside) and the GDI objects of its handle table.
std::string ReadFigures(HANDLE process, DWORD processId);

}  // namespace soak
