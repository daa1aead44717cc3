// Drawing over the real API.
#include <windows.h>

#include <cstring>

#include "platform/gdi.h"

namespace platform {

namespace {
HDC D(Hdc dc) { return reinterpret_cast<HDC>(dc); }
RECT R(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
Rect FromR(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
static_assert(sizeof(PAINTSTRUCT) <= sizeof(PaintStruct), "PaintStruct must hold the system's record");
}  // namespace

Hdc BeginPaint(Hwnd window, PaintStruct* paint) {
  if (!paint) return 0;
  PAINTSTRUCT ps{};
  HDC dc = ::BeginPaint(reinterpret_cast<HWND>(window), &ps);
  std::memcpy(paint->opaque, &ps, sizeof(ps));
  paint->dc = reinterpret_cast<Hdc>(dc);
  paint->paint = FromR(ps.rcPaint);
  return paint->dc;
}

bool EndPaint(Hwnd window, const PaintStruct* paint) {
  if (!paint) return false;
  PAINTSTRUCT ps;
  std::memcpy(&ps, paint->opaque, sizeof(ps));
  return ::EndPaint(reinterpret_cast<HWND>(window), &ps) != 0;
}

bool FillRectSysColor(Hdc dc, const Rect* rect, int colorIndex) {
  if (!rect) return false;
  RECT r = R(*rect);
  return ::FillRect(D(dc), &r, ::GetSysColorBrush(colorIndex)) != 0;
}

bool DrawEdge(Hdc dc, Rect* rect, std::uint32_t edge, std::uint32_t flags) {
  if (!rect) return false;
  RECT r = R(*rect);
  bool ok = ::DrawEdge(D(dc), &r, edge, flags) != 0;
  *rect = FromR(r);
  return ok;
}

bool DrawFocusRect(Hdc dc, const Rect* rect) {
  if (!rect) return false;
  RECT r = R(*rect);
  return ::DrawFocusRect(D(dc), &r) != 0;
}

bool InflateRect(Rect* rect, int dx, int dy) {
  if (!rect) return false;
  RECT r = R(*rect);
  bool ok = ::InflateRect(&r, dx, dy) != 0;
  *rect = FromR(r);
  return ok;
}

bool OffsetRect(Rect* rect, int dx, int dy) {
  if (!rect) return false;
  RECT r = R(*rect);
  bool ok = ::OffsetRect(&r, dx, dy) != 0;
  *rect = FromR(r);
  return ok;
}

bool SetPixelV(Hdc dc, int x, int y, std::uint32_t color) { return ::SetPixelV(D(dc), x, y, color) != 0; }
std::uint32_t GetSysColor(int index) { return ::GetSysColor(index); }
Hgdiobj GetStockObject(int object) { return reinterpret_cast<Hgdiobj>(::GetStockObject(object)); }
Hgdiobj SelectObject(Hdc dc, Hgdiobj object) {
  return reinterpret_cast<Hgdiobj>(::SelectObject(D(dc), reinterpret_cast<HGDIOBJ>(object)));
}
bool DeleteObject(Hgdiobj object) { return ::DeleteObject(reinterpret_cast<HGDIOBJ>(object)) != 0; }

bool GetTextMetricsA(Hdc dc, TextMetric* metric) {
  TEXTMETRICA tm{};
  if (!metric || !::GetTextMetricsA(D(dc), &tm)) return false;
  *metric = {tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmAveCharWidth};
  return true;
}

Hfont CreateFontA(int height, int weight, bool italic, bool underline, const char* face) {
  return reinterpret_cast<Hfont>(::CreateFontA(height, 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET,
                                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                               DEFAULT_PITCH | FF_DONTCARE, face));
}

int DrawTextA(Hdc dc, const char* text, int length, Rect* rect, std::uint32_t format) {
  if (!rect) return 0;
  RECT r{rect->left, rect->top, rect->right, rect->bottom};
  int height = ::DrawTextA(D(dc), text, length, &r, format);
  *rect = {r.left, r.top, r.right, r.bottom};
  return height;
}

std::uint32_t SetTextColor(Hdc dc, std::uint32_t color) { return ::SetTextColor(D(dc), color); }
int SetBkMode(Hdc dc, int mode) { return ::SetBkMode(D(dc), mode); }
std::uint32_t SetBkColor(Hdc dc, std::uint32_t color) { return ::SetBkColor(D(dc), color); }
std::uintptr_t GetSysColorBrush(int index) { return reinterpret_cast<std::uintptr_t>(::GetSysColorBrush(index)); }

}  // namespace platform
