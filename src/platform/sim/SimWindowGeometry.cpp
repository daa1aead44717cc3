// Places and sizes of windows in the simulated system, with the frames of
// its window styles.
#include <algorithm>

#include "platform/sim/SimMachine.h"

namespace sim::detail {

platform::Rect ClientRect(const Window& w) {
  platform::Rect outer{0, 0, 0, 0};
  platform::AdjustWindowRectEx(&outer, w.style, w.menu != 0 && !(w.style & platform::WsChild), w.exStyle);
  int width = (w.rect.right - w.rect.left) - (outer.right - outer.left);
  int height = (w.rect.bottom - w.rect.top) - (outer.bottom - outer.top);
  return {0, 0, std::max(0, width), std::max(0, height)};
}

}  // namespace sim::detail

namespace platform {
using namespace sim::detail;

bool MoveWindow(Hwnd window, int x, int y, int width, int height, bool) {
  Window* w = Find(window);
  if (!w) return false;
  bool resized = (w->rect.right - w->rect.left) != width || (w->rect.bottom - w->rect.top) != height;
  w->rect = {x, y, x + width, y + height};
  if (resized) SendMessageA(window, WmSize, SizeRestored, MakeLparam(width, height));
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

}  // namespace platform
