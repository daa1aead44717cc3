// Drawing in the simulated system: nothing is drawn; measures are fixed.
#include "platform/gdi.h"
#include "platform/sim/SimWindowState.h"

namespace platform {
using namespace sim::detail;

namespace {
// Fonts are handles whose low bits say whether they are the system font.
constexpr Hgdiobj kSystemFont = 0x40000;
constexpr Hgdiobj kGuiFont = 0x40004;
Hgdiobj nextFont = 0x40100;
Hgdiobj selectedFont = kSystemFont;
}  // namespace

Hdc BeginPaint(Hwnd window, PaintStruct* paint) {
  if (!Find(window) || !paint) return 0;
  paint->dc = 0x50000 + window;
  sim::WindowClientRect(window, &paint->paint);
  return paint->dc;
}

bool EndPaint(Hwnd window, const PaintStruct*) { return Find(window) != nullptr; }
bool FillRectSysColor(Hdc dc, const Rect* rect, int) { return dc != 0 && rect != nullptr; }
bool DrawEdge(Hdc dc, Rect* rect, std::uint32_t, std::uint32_t flags) {
  if (!dc || !rect) return false;
  if (flags & BfAdjust) InflateRect(rect, -2, -2);
  return true;
}
bool DrawFocusRect(Hdc dc, const Rect* rect) { return dc != 0 && rect != nullptr; }

bool InflateRect(Rect* rect, int dx, int dy) {
  if (!rect) return false;
  rect->left -= dx;
  rect->top -= dy;
  rect->right += dx;
  rect->bottom += dy;
  return true;
}

bool OffsetRect(Rect* rect, int dx, int dy) {
  if (!rect) return false;
  rect->left += dx;
  rect->right += dx;
  rect->top += dy;
  rect->bottom += dy;
  return true;
}

bool SetPixelV(Hdc dc, int, int, std::uint32_t) { return dc != 0; }

std::uint32_t GetSysColor(int index) {
  switch (index) {
    case ColorBtnFace: return 0xC8D0D4;
    case ColorWindow: return 0xFFFFFF;
    case ColorBtnShadow: return 0x808080;
    case ColorBtnHighlight: return 0xFFFFFF;
    default: return 0;
  }
}

Hgdiobj GetStockObject(int object) {
  if (object == SystemFont) return kSystemFont;
  if (object == DefaultGuiFont) return kGuiFont;
  return 0x40008 + static_cast<Hgdiobj>(object) * 4;
}

Hgdiobj SelectObject(Hdc dc, Hgdiobj object) {
  if (!dc) return 0;
  Hgdiobj old = selectedFont;
  if (object >= kSystemFont && object < kSystemFont + 0x10000) selectedFont = object;
  return old;
}

bool DeleteObject(Hgdiobj object) { return object != 0; }

// The system font is 16 pixels high; every other font of the simulation is
// the 8-point dialog font, 13 pixels high.
bool GetTextMetricsA(Hdc dc, TextMetric* metric) {
  if (!dc || !metric) return false;
  if (selectedFont == kSystemFont) {
    *metric = {16, 13, 3, 7};
  } else {
    *metric = {13, 11, 2, 5};
  }
  return true;
}

Hfont CreateFontA(int, int, bool, bool, const char* face) {
  if (!face) return 0;
  Hfont font = nextFont;
  nextFont += 4;
  return font;
}

std::uint32_t SetTextColor(Hdc, std::uint32_t) { return 0; }
int SetBkMode(Hdc, int) { return 2; }
std::uint32_t SetBkColor(Hdc, std::uint32_t) { return 0xFFFFFF; }
std::uintptr_t GetSysColorBrush(int index) { return 0x60000 + static_cast<std::uintptr_t>(index); }

}  // namespace platform
