#pragma once
// Files dropped from the shell onto a window that accepts them.
#include <cstdint>

#include "platform/windowing.h"

namespace platform {

// The shell's handle of one drop; released with DragFinish.
using Hdrop = std::uintptr_t;

// A drop arrives as this message with the drop handle in wParam.
inline constexpr std::uint32_t WmDropFiles = 0x0233;
// The extended style DragAcceptFiles sets on a window.
inline constexpr std::uint32_t WsExAcceptFiles = 0x00000010;
// The index that asks DragQueryFileA for the number of dropped items.
inline constexpr std::uint32_t DragQueryCount = 0xFFFFFFFFu;

// The window accepts files dropped from the shell (true) or no longer does.
void DragAcceptFiles(Hwnd window, bool accept);
// With DragQueryCount: the number of items. Otherwise copies the index-th
// full path, cut to size - 1 characters, and a terminating zero into buffer
// and returns the characters copied; with no buffer, returns the path's
// length.
std::uint32_t DragQueryFileA(Hdrop drop, std::uint32_t index, char* buffer, std::uint32_t size);
// The drop position in client coordinates of the window that took the
// drop; true when it lies inside the client area.
bool DragQueryPoint(Hdrop drop, Point* point);
void DragFinish(Hdrop drop);

}  // namespace platform
