#include "ProcessFigures.h"

#include "GdiTable.h"
#include "KernelHandles.h"

#include <psapi.h>

namespace soak {

namespace {

struct WindowCount {
  DWORD processId;
  unsigned count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM lParam) {
  auto* windows = reinterpret_cast<WindowCount*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == windows->processId) ++windows->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM lParam) {
  auto* windows = reinterpret_cast<WindowCount*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == windows->processId) {
    ++windows->count;
    EnumChildWindows(window, CountChild, lParam);
  }
  return TRUE;
}

void Add(std::string& line, const char* name, unsigned long long value) {
  line += '\t';
  line += name;
  line += '=';
  line += std::to_string(value);
}

}  // namespace

std::string ReadFigures(HANDLE process, DWORD processId) {
  std::string line = "figures";
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    Add(line, "working_set", memory.WorkingSetSize);
    Add(line, "peak_working_set", memory.PeakWorkingSetSize);
    Add(line, "pagefile", memory.PagefileUsage);
    Add(line, "private", memory.PrivateUsage);
  }
  SetLastError(0);
  Add(line, "gui_gdi", GetGuiResources(process, GR_GDIOBJECTS));
  Add(line, "gui_gdi_error", GetLastError());
  SetLastError(0);
  Add(line, "gui_user", GetGuiResources(process, GR_USEROBJECTS));
  Add(line, "gui_user_error", GetLastError());
  DWORD handles = 0;
  if (GetProcessHandleCount(process, &handles)) Add(line, "handle_count_api", handles);
  if (const auto kernel = CountKernelHandles(processId)) Add(line, "handles", *kernel);
  WindowCount windows{processId, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  Add(line, "windows", windows.count);
  if (const auto gdi = CountGdiObjects(process)) {
    Add(line, "gdi_table", gdi->objects);
    Add(line, "gdi_stock", gdi->stock);
  }
  return line;
}

}  // namespace soak
