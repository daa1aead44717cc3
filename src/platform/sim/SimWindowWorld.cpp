// The simulated windows as a test sees them.
#include "platform/sim/SimMachine.h"

namespace sim {
using namespace sim::detail;

std::vector<WindowInfo> Windows() {
  std::vector<WindowInfo> result;
  for (platform::Hwnd h : TheWindows().order) {
    WindowInfo info;
    if (GetWindowInfo(h, &info)) result.push_back(info);
  }
  return result;
}

bool GetWindowInfo(platform::Hwnd window, WindowInfo* info) {
  Window* w = Find(window);
  if (!w || !info) return false;
  *info = {w->handle,  w->className, w->title,  w->style, w->exStyle,    w->parent,
           w->visible, w->enabled,   w->iconic, w->rect,  w->messageOnly};
  return true;
}

platform::Hwnd FindChild(platform::Hwnd parent, const std::string& className, const std::string& title) {
  for (platform::Hwnd h : TheWindows().order) {
    Window* w = Find(h);
    if (!w || !IsChildOf(h, parent)) continue;
    if (!className.empty() && !machine::EqualNoCase(w->className, className)) continue;
    if (w->title != title) continue;
    return h;
  }
  return 0;
}

}  // namespace sim
