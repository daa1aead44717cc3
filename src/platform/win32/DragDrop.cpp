// Files dropped from the shell, over the real API.
#include <windows.h>
#include <shellapi.h>

#include "platform/dragdrop.h"

namespace platform {

void DragAcceptFiles(Hwnd window, bool accept) { ::DragAcceptFiles(reinterpret_cast<HWND>(window), accept); }

std::uint32_t DragQueryFileA(Hdrop drop, std::uint32_t index, char* buffer, std::uint32_t size) {
  return ::DragQueryFileA(reinterpret_cast<HDROP>(drop), index, buffer, size);
}

bool DragQueryPoint(Hdrop drop, Point* point) {
  POINT p{};
  BOOL inside = ::DragQueryPoint(reinterpret_cast<HDROP>(drop), &p);
  if (point) *point = {p.x, p.y};
  return inside != FALSE;
}

void DragFinish(Hdrop drop) { ::DragFinish(reinterpret_cast<HDROP>(drop)); }

}  // namespace platform
