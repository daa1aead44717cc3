// Windows of the simulated system: the window table, classes, creation,
// destruction and the window longs.
#include <algorithm>
#include <string>

#include "platform/sim/SimMachine.h"

namespace sim::detail {

Window* Find(platform::Hwnd window) {
  auto& windows = TheWindows().windows;
  auto it = windows.find(window);
  return it == windows.end() || it->second.destroying ? nullptr : &it->second;
}

bool IsChildOf(platform::Hwnd window, platform::Hwnd parent) {
  for (Window* w = Find(window); w && w->parent; w = Find(w->parent)) {
    if (w->parent == parent) return true;
  }
  return false;
}

bool IsTopLevel(const Window& w) { return !w.messageOnly && (w.parent == 0 || (w.style & platform::WsChild) == 0); }

// Owned windows stay above their owner: they come up with it, in their order.
void BringToTop(platform::Hwnd window) {
  auto& z = TheWindows().zorder;
  std::vector<platform::Hwnd> owned;
  for (platform::Hwnd h : z) {
    Window* w = Find(h);
    if (w && IsTopLevel(*w) && w->parent == window) owned.push_back(h);
  }
  auto it = std::find(z.begin(), z.end(), window);
  if (it != z.end()) z.erase(it);
  z.insert(z.begin(), window);
  for (auto o = owned.rbegin(); o != owned.rend(); ++o) BringToTop(*o);
}

void DestroyAllWindows() {
  // Top-level windows first, newest first, so that each takes its children
  // and the windows it owns along, as it would on closing.
  std::vector<platform::Hwnd> order = TheWindows().order;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    Window* w = Find(*it);
    if (w && !(w->style & platform::WsChild)) platform::DestroyWindow(*it);
  }
  order = TheWindows().order;
  for (auto it = order.rbegin(); it != order.rend(); ++it) platform::DestroyWindow(*it);
}

}  // namespace sim::detail

namespace platform {
using namespace sim::detail;
using sim::machine::LowerAnsi;

bool RegisterClassA(const WndClass* windowClass) {
  if (!windowClass || !windowClass->className || !windowClass->proc) return false;
  std::string key = LowerAnsi(windowClass->className);
  if (TheWindows().classes.count(key)) return true;
  TheWindows().classes[key] = {windowClass->className, windowClass->proc, windowClass->style, windowClass->icon};
  return true;
}

Hwnd CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style, int x, int y,
                     int width, int height, Hwnd parent, Hmenu menuOrId) {
  RegisterPredefinedClasses();
  auto& st = TheWindows();
  auto cls = st.classes.find(LowerAnsi(className ? className : ""));
  if (cls == st.classes.end()) {
    sim::SetLastError(1407);  // ERROR_CANNOT_FIND_WND_CLASS (Wine: 1411)
    return 0;
  }
  const bool messageOnly = parent == HwndMessage;
  if (messageOnly) parent = 0;
  if ((style & WsChild) && !Find(parent)) {
    sim::SetLastError(1406);  // ERROR_TLW_WITH_WSCHILD
    return 0;
  }
  if (parent && !Find(parent)) {
    sim::SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE
    return 0;
  }
  Window w;
  w.handle = st.nextHandle;
  st.nextHandle += 4;
  w.className = cls->second.name;
  w.title = title ? title : "";
  w.style = style & ~WsVisible;
  w.exStyle = exStyle;
  w.parent = parent;
  w.messageOnly = messageOnly;
  w.enabled = (style & WsDisabled) == 0;
  if (style & WsChild) {
    w.id = static_cast<std::intptr_t>(menuOrId);
  } else {
    w.menu = menuOrId;
  }
  w.rect = {x == CwUseDefault ? 0 : x, y == CwUseDefault ? 0 : y,
            (x == CwUseDefault ? 0 : x) + (width == CwUseDefault ? 0 : width),
            (y == CwUseDefault ? 0 : y) + (height == CwUseDefault ? 0 : height)};
  w.proc = cls->second.proc;
  Hwnd handle = w.handle;
  st.windows[handle] = w;
  st.order.push_back(handle);
  if (IsTopLevel(w)) BringToTop(handle);
  if (SendMessageA(handle, WmNcCreate, 0, 0) == 0 || SendMessageA(handle, WmCreate, 0, 0) == -1) {
    DestroyWindow(handle);
    return 0;
  }
  if (!Find(handle)) return 0;
  if (style & (WsChild | WsPopup)) {
    SendMessageA(handle, WmSize, SizeRestored, MakeLparam(width, height));
  } else if (Window* created = Find(handle)) {
    created->needSize = true;
  }
  if (style & WsVisible) {
    if (Window* created = Find(handle)) {
      created->style |= WsVisible;
      created->visible = true;
    }
  }
  return handle;
}

namespace {
// The windows whose parent (children) or owner (owned windows) this is.
std::vector<Hwnd> Dependants(Hwnd window, bool owned) {
  std::vector<Hwnd> found;
  for (Hwnd h : TheWindows().order) {
    const Window* d = Find(h);
    if (d && d->parent == window && ((d->style & WsChild) == 0) == owned) found.push_back(h);
  }
  return found;
}
}  // namespace

// The window is hidden, the windows it owns go first, then the activation
// moves on if it still has it, and only then is it told (WM_DESTROY), before
// its children.
bool DestroyWindow(Hwnd window) {
  Window* w = Find(window);
  if (!w) return false;
  w->visible = false;
  for (Hwnd owned : Dependants(window, true)) DestroyWindow(owned);
  if (!Find(window)) return true;
  ActivateAfter(window);
  if (!Find(window)) return true;
  SendMessageA(window, WmDestroy, 0, 0);
  for (Hwnd child : Dependants(window, false)) {
    if (Find(child)) DestroyWindow(child);
  }
  if (!Find(window)) return true;
  SendMessageA(window, WmNcDestroy, 0, 0);
  auto& st = TheWindows();
  st.windows[window].destroying = true;
  if (st.focus == window) st.focus = 0;
  if (st.capture == window) st.capture = 0;
  if (st.foreground == window) st.foreground = 0;
  if (st.active == window) st.active = 0;
  for (auto it = st.timers.begin(); it != st.timers.end();) {
    it = it->first.first == window ? st.timers.erase(it) : std::next(it);
  }
  st.queue.erase(std::remove_if(st.queue.begin(), st.queue.end(), [&](const Msg& m) { return m.hwnd == window; }),
                 st.queue.end());
  st.order.erase(std::remove(st.order.begin(), st.order.end(), window), st.order.end());
  st.zorder.erase(std::remove(st.zorder.begin(), st.zorder.end(), window), st.zorder.end());
  st.windows.erase(window);
  return true;
}

bool IsWindow(Hwnd window) { return Find(window) != nullptr; }

std::intptr_t GetWindowLongA(Hwnd window, int index) {
  Window* w = Find(window);
  if (!w) return 0;
  switch (index) {
    case GwlWndProc: return reinterpret_cast<std::intptr_t>(w->proc);
    case GwlStyle: return static_cast<std::intptr_t>(w->style | (w->visible ? WsVisible : 0));
    case GwlExStyle: return static_cast<std::intptr_t>(w->exStyle);
    case GwlId: return w->id;
    case GwlHwndParent: return static_cast<std::intptr_t>(w->parent);
    default: return 0;
  }
}

std::intptr_t SetWindowLongA(Hwnd window, int index, std::intptr_t value) {
  Window* w = Find(window);
  if (!w) return 0;
  std::intptr_t old = GetWindowLongA(window, index);
  switch (index) {
    case GwlWndProc: w->proc = reinterpret_cast<WndProc>(value); break;
    case GwlStyle:
      w->style = static_cast<std::uint32_t>(value) & ~WsVisible;
      w->visible = (static_cast<std::uint32_t>(value) & WsVisible) != 0;
      break;
    case GwlExStyle: w->exStyle = static_cast<std::uint32_t>(value); break;
    case GwlId: w->id = value; break;
    case GwlHwndParent: {
      // The owner of a top-level window; a child keeps its parent, and no
      // window comes to own itself.
      auto owner = static_cast<Hwnd>(value);
      if ((w->style & WsChild) || (owner && !Find(owner)) || owner == window || IsChildOf(owner, window)) return 0;
      w->parent = owner;
      break;
    }
    default: return 0;
  }
  return old;
}

void InitCommonControls() { RegisterPredefinedClasses(); }

}  // namespace platform
