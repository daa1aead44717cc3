#pragma once
// Drawing in windows: painting, fonts, text measures.
#include <cstdint>

#include "platform/windowing.h"

namespace platform {

using Hgdiobj = std::uintptr_t;

struct PaintStruct {
  Hdc dc = 0;
  Rect paint;
  std::uintptr_t opaque[12] = {};  // room for what the system keeps
};

struct TextMetric {
  std::int32_t height = 0;
  std::int32_t ascent = 0;
  std::int32_t descent = 0;
  std::int32_t averageWidth = 0;
};

// Edges of DrawEdge.
inline constexpr std::uint32_t EdgeRaised = 0x5;
inline constexpr std::uint32_t EdgeSunken = 0xA;
inline constexpr std::uint32_t EdgeEtched = 0x6;
inline constexpr std::uint32_t BdrRaisedOuter = 0x1;
inline constexpr std::uint32_t BdrSunkenOuter = 0x2;
inline constexpr std::uint32_t BfRect = 0xF;
inline constexpr std::uint32_t BfAdjust = 0x2000;
inline constexpr int SystemFont = 13;
inline constexpr int DefaultGuiFont = 17;
inline constexpr int FwNormal = 400;
inline constexpr int FwBold = 700;

Hdc BeginPaint(Hwnd window, PaintStruct* paint);
bool EndPaint(Hwnd window, const PaintStruct* paint);
// Fills with the system colour of index.
bool FillRectSysColor(Hdc dc, const Rect* rect, int colorIndex);
bool DrawEdge(Hdc dc, Rect* rect, std::uint32_t edge, std::uint32_t flags);
bool DrawFocusRect(Hdc dc, const Rect* rect);
bool InflateRect(Rect* rect, int dx, int dy);
bool OffsetRect(Rect* rect, int dx, int dy);
// color is 0x00BBGGRR.
bool SetPixelV(Hdc dc, int x, int y, std::uint32_t color);
std::uint32_t GetSysColor(int index);
Hgdiobj GetStockObject(int object);
Hgdiobj SelectObject(Hdc dc, Hgdiobj object);
bool DeleteObject(Hgdiobj object);
bool GetTextMetricsA(Hdc dc, TextMetric* metric);
// height < 0: character height in pixels.
Hfont CreateFontA(int height, int weight, bool italic, bool underline, const char* face);
// Formats of DrawTextA.
inline constexpr std::uint32_t DtWordBreak = 0x10;
inline constexpr std::uint32_t DtSingleLine = 0x20;
inline constexpr std::uint32_t DtExpandTabs = 0x40;
inline constexpr std::uint32_t DtCalcRect = 0x400;
// Draws length characters of text (-1: up to its zero) into rect with the
// selected font; with DtCalcRect draws nothing and sets rect's right and
// bottom to the text's extent instead (with DtWordBreak, lines break at
// words to fit rect's width). Returns the text's height.
int DrawTextA(Hdc dc, const char* text, int length, Rect* rect, std::uint32_t format);
std::uint32_t SetTextColor(Hdc dc, std::uint32_t color);
int SetBkMode(Hdc dc, int mode);
std::uint32_t SetBkColor(Hdc dc, std::uint32_t color);
inline constexpr int Transparent = 1;
// The brush of a system colour, owned by the system.
std::uintptr_t GetSysColorBrush(int index);

}  // namespace platform
