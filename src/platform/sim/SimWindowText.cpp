// Titles, class names and icons of windows in the simulated system, and
// finding a top-level window by them.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/sim/SimMachine.h"

namespace platform {
using namespace sim::detail;
using sim::machine::EqualNoCase;
using sim::machine::LowerAnsi;

bool SetWindowTextA(Hwnd window, const char* text) {
  return SendMessageA(window, WmSetText, 0, reinterpret_cast<Lparam>(text ? text : "")) != 0;
}

int GetWindowTextA(Hwnd window, char* buffer, int size) {
  if (buffer && size > 0) buffer[0] = '\0';
  if (!Find(window)) return 0;
  return static_cast<int>(
      SendMessageA(window, WmGetText, static_cast<Wparam>(size > 0 ? size : 0), reinterpret_cast<Lparam>(buffer)));
}

int GetWindowTextLengthA(Hwnd window) {
  return Find(window) ? static_cast<int>(SendMessageA(window, WmGetTextLength, 0, 0)) : 0;
}

Hwnd FindWindowA(const char* className, const char* title) {
  for (Hwnd h : TheWindows().zorder) {
    Window* w = Find(h);
    if (!w || !IsTopLevel(*w)) continue;
    if (className && !EqualNoCase(w->className, className)) continue;
    if (title && !EqualNoCase(w->title, title)) continue;
    return h;
  }
  return 0;
}

Hicon GetClassIcon(Hwnd window) {
  Window* w = Find(window);
  if (!w) return 0;
  auto cls = TheWindows().classes.find(LowerAnsi(w->className));
  return cls == TheWindows().classes.end() ? 0 : cls->second.icon;
}

// The executable holds the icons its resource script names; any other name
// finds nothing. Each (without regard to case, as resource names go) has its
// own handle until Reset.
Hicon LoadIconA(const char* resourceName) {
  if (!resourceName || !*resourceName) return 0;
  const std::string name = LowerAnsi(resourceName);
  if (name != "mainicon" && name != "optionsicon" && name != "abouticon") return 0;
  auto& icons = sim::machine::TheMachine().icons;
  auto it = icons.try_emplace(LowerAnsi(resourceName), 0x30001 + icons.size()).first;
  return it->second;
}

}  // namespace platform
