// The user's mouse: which window is under the pointer, its shape, and the
// mouse messages that window receives.
#include "platform/sim/SimMachine.h"
#include "platform/sim/mouse_world.h"

namespace sim::detail {
namespace {

using platform::Hwnd;
using platform::Point;

// Where a window's client area starts inside its own rectangle.
Point FrameOffset(const Window& w) {
  platform::Rect outer{0, 0, 0, 0};
  platform::AdjustWindowRectEx(&outer, w.style, false, w.exStyle);
  return {-outer.left, -outer.top};
}

bool IsChildWindow(const Window& w) { return (w.style & platform::WsChild) && w.parent; }

// The window under p (client coordinates of window), or 0 when window and
// everything on it lets the pointer through.
Hwnd WindowAt(Hwnd window, Point p) {
  for (Hwnd h : std::vector<Hwnd>(TheWindows().order)) {
    Window* child = Find(h);
    if (!child || child->parent != window || !IsChildWindow(*child) || !child->visible) continue;
    const platform::Rect& r = child->rect;
    if (p.x < r.left || p.x >= r.right || p.y < r.top || p.y >= r.bottom) continue;
    Point frame = FrameOffset(*child);
    if (Hwnd found = WindowAt(h, {p.x - r.left - frame.x, p.y - r.top - frame.y})) return found;
  }
  if (platform::SendMessageA(window, platform::WmNcHitTest, 0, platform::MakeLparam(p.x, p.y)) ==
      platform::HtTransparent) {
    return 0;
  }
  return window;
}

// Where window's client area lies in the client area of its top-level window.
Point ClientOrigin(Hwnd window) {
  Point origin;
  for (Window* w = Find(window); w && IsChildWindow(*w); w = Find(w->parent)) {
    Point frame = FrameOffset(*w);
    origin.x += w->rect.left + frame.x;
    origin.y += w->rect.top + frame.y;
  }
  return origin;
}

platform::Wparam HeldKeys() {
  platform::Wparam keys = 0;
  if (TheWindows().keysDown.count(platform::VkShift)) keys |= platform::MkShift;
  if (TheWindows().keysDown.count(platform::VkControl)) keys |= platform::MkControl;
  return keys;
}

struct Target {
  Hwnd window = 0;
  platform::Lparam position = 0;
};

Target PointerAt(Hwnd top, int x, int y, std::uint32_t message) {
  Hwnd window = TheWindows().capture ? TheWindows().capture : WindowAt(top, {x, y});
  if (!window) window = top;
  Point origin = ClientOrigin(window);
  if (!TheWindows().capture) {
    platform::Lparam hit = platform::MakeLparam(static_cast<int>(platform::HtClient), static_cast<int>(message));
    if (platform::SendMessageA(window, platform::WmSetCursor, window, hit) == 0)
      TheWindows().cursor = platform::IdcArrow;
  }
  return {window, platform::MakeLparam(x - origin.x, y - origin.y)};
}

}  // namespace
}  // namespace sim::detail

namespace sim {
using namespace sim::detail;

platform::Hwnd MoveMouse(platform::Hwnd window, int x, int y) {
  Target t = PointerAt(window, x, y, platform::WmMouseMove);
  platform::SendMessageA(t.window, platform::WmMouseMove, HeldKeys(), t.position);
  return t.window;
}

platform::Hwnd ClickMouse(platform::Hwnd window, int x, int y, MouseButton button) {
  MoveMouse(window, x, y);
  struct Messages {
    std::uint32_t down, up;
    platform::Wparam held;
  };
  const Messages m =
      button == MouseButton::Left    ? Messages{platform::WmLButtonDown, platform::WmLButtonUp, platform::MkLButton}
      : button == MouseButton::Right ? Messages{platform::WmRButtonDown, platform::WmRButtonUp, platform::MkRButton}
                                     : Messages{platform::WmMButtonDown, platform::WmMButtonUp, platform::MkMButton};
  Target down = PointerAt(window, x, y, m.down);
  platform::SendMessageA(down.window, m.down, HeldKeys() | m.held, down.position);
  Target up = PointerAt(window, x, y, m.up);
  platform::SendMessageA(up.window, m.up, HeldKeys(), up.position);
  return down.window;
}

int CursorShape() { return TheWindows().cursor; }

}  // namespace sim
