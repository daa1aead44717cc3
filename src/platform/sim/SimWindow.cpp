// Windows of the simulated system: creation, destruction and properties.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <string>

#include "platform/sim/SimWindowState.h"
#include "platform/sim/tray_world.h"
#include "platform/sim/world.h"

namespace sim::detail {

State& S() {
  static State state;
  return state;
}

Window* Find(platform::Hwnd window) {
  auto it = S().windows.find(window);
  return it == S().windows.end() || it->second.destroying ? nullptr : &it->second;
}

std::string Upper(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

bool IsChildOf(platform::Hwnd window, platform::Hwnd parent) {
  for (Window* w = Find(window); w && w->parent; w = Find(w->parent)) {
    if (w->parent == parent) return true;
  }
  return false;
}

bool IsTopLevel(const Window& w) { return !w.messageOnly && (w.parent == 0 || (w.style & platform::WsChild) == 0); }

namespace {

// Owned windows stay above their owner: they come up with it, in their order.
void BringToTop(platform::Hwnd window) {
  auto& z = S().zorder;
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

void CopyText(const std::string& text, char* buffer, int size, int* copied) {
  *copied = 0;
  if (!buffer || size <= 0) return;
  int n = std::min<int>(static_cast<int>(text.size()), size - 1);
  std::memcpy(buffer, text.data(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  *copied = n;
}

}  // namespace
}  // namespace sim::detail

namespace platform {
using namespace sim::detail;

bool RegisterClassA(const WndClass* windowClass) {
  if (!windowClass || !windowClass->className || !windowClass->proc) return false;
  std::string key = Upper(windowClass->className);
  if (S().classes.count(key)) return true;
  S().classes[key] = {windowClass->className, windowClass->proc, windowClass->style, windowClass->icon};
  return true;
}

Hwnd CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style, int x, int y,
                     int width, int height, Hwnd parent, Hmenu menuOrId) {
  RegisterPredefinedClasses();
  auto cls = S().classes.find(Upper(className ? className : ""));
  if (cls == S().classes.end()) {
    SetLastError(1411);  // ERROR_CLASS_DOES_NOT_EXIST, as Wine has it (Windows: 1407)
    return 0;
  }
  const bool messageOnly = parent == HwndMessage;
  if (messageOnly) parent = 0;
  if ((style & WsChild) && !Find(parent)) {
    SetLastError(1406);  // ERROR_TLW_WITH_WSCHILD
    return 0;
  }
  if (parent && !Find(parent)) {
    SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE
    return 0;
  }
  Window w;
  w.handle = S().nextHandle;
  S().nextHandle += 4;
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
  S().windows[handle] = w;
  S().order.push_back(handle);
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

bool DestroyWindow(Hwnd window) {
  Window* w = Find(window);
  if (!w) return false;
  SendMessageA(window, WmDestroy, 0, 0);
  std::vector<Hwnd> children;
  for (Hwnd h : S().order) {
    Window* c = Find(h);
    if (c && c->parent == window) children.push_back(h);
  }
  for (Hwnd child : children) {
    Window* c = Find(child);
    if (c && (c->style & WsChild)) {
      DestroyWindow(child);
    } else if (c) {
      DestroyWindow(child);  // owned windows go with their owner
    }
  }
  if (!Find(window)) return true;
  SendMessageA(window, WmNcDestroy, 0, 0);
  auto& st = S();
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

bool ShowWindow(Hwnd window, int command) {
  Window* w = Find(window);
  if (!w) return false;
  S().shows.push_back({window, command});
  bool was = w->visible;
  bool wasIconic = w->iconic;
  switch (command) {
    case SwHide: w->visible = false; break;
    case SwMinimize:
    case SwShowMinimized:
      w->visible = true;
      w->iconic = true;
      break;
    default:
      w->visible = true;
      w->iconic = false;
      break;
  }
  bool activates = command == SwShow || command == SwShowNormal || command == SwRestore || command == SwShowMaximized;
  if (activates && IsTopLevel(*w)) {
    BringToTop(window);
    Activate(window, true);
  }
  if (command == SwHide && S().foreground == window) S().foreground = 0;
  if (w->needSize && w->visible) {
    w->needSize = false;
    Window copy = *w;
    SendMessageA(window, WmSize, w->iconic ? SizeMinimized : SizeRestored,
                 MakeLparam(copy.rect.right - copy.rect.left, copy.rect.bottom - copy.rect.top));
    return was;
  }
  if (w->iconic != wasIconic) {
    Window copy = *w;
    SendMessageA(window, WmSize, w->iconic ? SizeMinimized : SizeRestored,
                 MakeLparam(copy.rect.right - copy.rect.left, copy.rect.bottom - copy.rect.top));
  }
  return was;
}

bool IsWindowVisible(Hwnd window) {
  for (Window* w = Find(window); w; w = (w->style & WsChild) ? Find(w->parent) : nullptr) {
    if (!w->visible) return false;
    if (!(w->style & WsChild)) return true;
  }
  return Find(window) != nullptr;
}

bool IsIconic(Hwnd window) {
  Window* w = Find(window);
  return w && w->iconic;
}

bool EnableWindow(Hwnd window, bool enable) {
  Window* w = Find(window);
  if (!w) return false;
  bool wasDisabled = !w->enabled;
  w->enabled = enable;
  if (!enable && (S().focus == window || IsChildOf(S().focus, window))) S().focus = 0;
  if (wasDisabled == enable) SendMessageA(window, WmEnable, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool IsWindowEnabled(Hwnd window) {
  Window* w = Find(window);
  return w && w->enabled;
}

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
  for (Hwnd h : S().zorder) {
    Window* w = Find(h);
    if (!w || !IsTopLevel(*w)) continue;
    if (className && Upper(w->className) != Upper(className)) continue;
    if (title && Upper(w->title) != Upper(title)) continue;
    return h;
  }
  return 0;
}

int GetClassNameA(Hwnd window, char* buffer, int size) {
  Window* w = Find(window);
  int copied = 0;
  if (w) CopyText(w->className, buffer, size, &copied);
  return copied;
}

Hicon GetClassIcon(Hwnd window) {
  Window* w = Find(window);
  if (!w) return 0;
  auto cls = S().classes.find(Upper(w->className));
  return cls == S().classes.end() ? 0 : cls->second.icon;
}

Hwnd GetParent(Hwnd window) {
  Window* w = Find(window);
  return w ? w->parent : 0;
}

bool SetForegroundWindow(Hwnd window) {
  Window* w = Find(window);
  while (w && (w->style & WsChild)) w = Find(w->parent);
  if (!w || w->messageOnly) {
    SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE
    return false;
  }
  BringToTop(w->handle);
  Activate(w->handle, true);
  return true;
}

Hwnd GetForegroundWindow() { return S().foreground; }

bool SetWindowPos(Hwnd window, Hwnd insertAfter, int, int, int, int, std::uint32_t flags) {
  Window* w = Find(window);
  if (!w || !IsTopLevel(*w) || insertAfter != HwndTop || (flags & (SwpNoMove | SwpNoSize)) != (SwpNoMove | SwpNoSize)) {
    SetLastError(87);  // ERROR_INVALID_PARAMETER: what the program never asks for
    return false;
  }
  BringToTop(window);
  if (!(flags & SwpNoActivate)) Activate(window, S().foreground != 0);
  return true;
}

Hwnd GetLastActivePopup(Hwnd window) {
  const Window* w = Find(window);
  if (!w) return 0;
  return Find(w->lastActive) ? w->lastActive : window;
}

Hwnd SetActiveWindow(Hwnd window) {
  Hwnd old = S().active;
  if (Find(window)) Activate(window, false);
  return old;
}

Hwnd SetFocus(Hwnd window) {
  auto& st = S();
  Hwnd old = st.focus;
  if (window && !Find(window)) return 0;
  if (old == window) return old;
  st.focus = window;
  if (old && Find(old)) SendMessageA(old, WmKillFocus, window, 0);
  if (window && st.focus == window) SendMessageA(window, WmSetFocus, old, 0);
  return old;
}

Hwnd GetFocus() { return S().focus; }

Hwnd SetCapture(Hwnd window) {
  Hwnd old = S().capture;
  if (!Find(window)) return old;
  S().capture = window;
  if (old && old != window && Find(old)) SendMessageA(old, WmCaptureChanged, 0, static_cast<Lparam>(window));
  return old;
}

// The window that loses the capture is told, with the one that takes it
// (0 when released).
bool ReleaseCapture() {
  Hwnd old = S().capture;
  S().capture = 0;
  if (old && Find(old)) SendMessageA(old, WmCaptureChanged, 0, 0);
  return true;
}

Hwnd GetCapture() { return S().capture; }

bool MoveWindow(Hwnd window, int x, int y, int width, int height, bool) {
  Window* w = Find(window);
  if (!w) return false;
  bool resized = (w->rect.right - w->rect.left) != width || (w->rect.bottom - w->rect.top) != height;
  w->rect = {x, y, x + width, y + height};
  if (resized) SendMessageA(window, WmSize, SizeRestored, MakeLparam(width, height));
  return true;
}

namespace {
// A child keeps its place in its parent's client area; the screen position
// adds where that client area lies on the screen, up to the top-level window.
Rect ScreenRect(const Window& w) {
  Window* parent = IsTopLevel(w) ? nullptr : Find(w.parent);
  if (!parent) return w.rect;
  const Rect outer = ScreenRect(*parent);
  Rect frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, parent->style, parent->menu != 0 && !(parent->style & WsChild), parent->exStyle);
  const int dx = outer.left - frame.left, dy = outer.top - frame.top;
  return {w.rect.left + dx, w.rect.top + dy, w.rect.right + dx, w.rect.bottom + dy};
}
}  // namespace

bool GetWindowRect(Hwnd window, Rect* rect) {
  Window* w = Find(window);
  if (!w || !rect) return false;
  *rect = ScreenRect(*w);
  return true;
}

namespace {
// Border widths of the simulated frames: single 3, dialog 3, client edge 2.
int FrameWidth(std::uint32_t style, std::uint32_t exStyle) {
  int f = 0;
  if (style & (WsBorder | WsDlgFrame | WsThickFrame)) f += (style & WsThickFrame) ? 4 : 3;
  if (exStyle & WsExClientEdge) f += 2;
  return f;
}
}  // namespace

bool AdjustWindowRectEx(Rect* rect, std::uint32_t style, bool hasMenu, std::uint32_t exStyle) {
  if (!rect) return false;
  int f = FrameWidth(style, exStyle);
  int caption = (style & WsCaption) == WsCaption ? 19 : 0;
  rect->left -= f;
  rect->right += f;
  rect->top -= f + caption + (hasMenu ? 19 : 0);
  rect->bottom += f;
  return true;
}

bool InvalidateRect(Hwnd window, const Rect*, bool) { return window == 0 || Find(window) != nullptr; }
bool UpdateWindow(Hwnd window) { return Find(window) != nullptr; }

short GetKeyState(int virtualKey) { return S().keysDown.count(virtualKey) ? static_cast<short>(0x8000) : 0; }

void InitCommonControls() { RegisterPredefinedClasses(); }

// Every name is taken for an icon of the executable; each name (without
// regard to case, as resource names go) has its own handle for the whole run.
// The executable holds the icons its resource script names; any other
// name finds nothing.
Hicon LoadIconA(const char* resourceName) {
  if (!resourceName || !*resourceName) return 0;
  const std::string name = sim::detail::Upper(resourceName);
  if (name != "MAINICON" && name != "OPTIONSICON" && name != "ABOUTICON") return 0;
  static std::map<std::string, Hicon> icons;
  auto it = icons.try_emplace(sim::detail::Upper(resourceName), 0x30001 + icons.size()).first;
  return it->second;
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

bool WindowClientRect(platform::Hwnd window, platform::Rect* rect) {
  Window* w = Find(window);
  if (!w || !rect) return false;
  platform::Rect outer{0, 0, 0, 0};
  platform::AdjustWindowRectEx(&outer, w->style, w->menu != 0 && !(w->style & platform::WsChild), w->exStyle);
  int width = (w->rect.right - w->rect.left) - (outer.right - outer.left);
  int height = (w->rect.bottom - w->rect.top) - (outer.bottom - outer.top);
  *rect = {0, 0, std::max(0, width), std::max(0, height)};
  return true;
}

std::vector<WindowInfo> Windows() {
  std::vector<WindowInfo> result;
  for (platform::Hwnd h : S().order) {
    WindowInfo info;
    if (GetWindowInfo(h, &info)) result.push_back(info);
  }
  return result;
}

bool GetWindowInfo(platform::Hwnd window, WindowInfo* info) {
  Window* w = Find(window);
  if (!w || !info) return false;
  *info = {w->handle, w->className, w->title,   w->style,  w->exStyle,
           w->parent, w->visible,   w->enabled, w->iconic, w->rect, w->messageOnly};
  return true;
}

platform::Hwnd FindChild(platform::Hwnd parent, const std::string& className, const std::string& title) {
  for (platform::Hwnd h : S().order) {
    Window* w = Find(h);
    if (!w || !IsChildOf(h, parent)) continue;
    if (!className.empty() && Upper(w->className) != Upper(className)) continue;
    if (w->title != title) continue;
    return h;
  }
  return 0;
}

std::vector<ShowCall>& ShowCalls() { return S().shows; }

void SetClipboardText(const std::string& text) { S().clipboard = text; }
std::string ClipboardText() { return S().clipboard; }

void SetKeyDown(int virtualKey, bool down) {
  if (down) {
    S().keysDown.insert(virtualKey);
  } else {
    S().keysDown.erase(virtualKey);
  }
}

void ResetWindows() {
  auto& st = S();
  // Windows go first (their procedures may still look at the state), newest first.
  std::vector<platform::Hwnd> order = st.order;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    Window* w = Find(*it);
    if (w && !(w->style & platform::WsChild)) platform::DestroyWindow(*it);
  }
  order = st.order;
  for (auto it = order.rbegin(); it != order.rend(); ++it) platform::DestroyWindow(*it);
  st = State{};
  SetDecimalSeparator(".");
  // The notification area's icons belong to windows that are gone now.
  ResetTray();
}

}  // namespace sim

namespace sim::detail {
namespace {
// GetClientRect of the desktop module asks the window system for its windows.
const bool clientRectsProvided = (sim::AddClientRectProvider(&sim::WindowClientRect), true);
}  // namespace
}  // namespace sim::detail

namespace platform {
void SetCursorShape(int cursorId) { S().cursor = cursorId; }
}  // namespace platform
