// Painting: the context a repaint hands out, the calls a control paints
// with, the colours and fonts of the system, and rectangles.
#include <functional>
#include <tuple>
#include <vector>

#include "WindowSuite.h"
#include "contract/ContractChecks.h"
#include "platform/UniqueHandle.h"
#include "platform/desktop.h"
#include "platform/gdi.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;

std::vector<int> Sides(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

UniqueHandle<Hdc, std::function<void(Hdc)>> WindowDc(Hwnd window) {
  return {GetDC(window), [window](Hdc dc) { ReleaseDC(window, dc); }};
}

TEST_F(WindowSuite, ARepaintOfTheWholeWindowPaintsItsClientArea) {
  Window w("Paint", WsPopup | WsVisible);
  ASSERT_TRUE(MoveWindow(w.h, 10, 10, 120, 80, false));
  ASSERT_TRUE(InvalidateRect(w.h, nullptr, true));
  PaintStruct ps;
  const Hdc dc = BeginPaint(w.h, &ps);
  EXPECT_NE(dc, 0u);
  EXPECT_EQ(ps.dc, dc);
  EXPECT_EQ(Sides(ps.paint), Sides({0, 0, 120, 80}));
  EXPECT_TRUE(EndPaint(w.h, &ps));
  const Hwnd gone = w.h;
  DestroyWindow(gone);
  EXPECT_FALSE(InvalidateRect(gone, nullptr, true)) << "a window that is gone";
}

// What each edge takes off the rectangle with BF_ADJUST: a pixel per border.
TEST_F(WindowSuite, ControlsPaintWithTheContextAndEdgesShrinkTheRectangleByTheirBorders) {
  Window w("Paint", WsPopup | WsVisible);
  const auto dc = WindowDc(w.h);
  ASSERT_TRUE(dc.Valid());
  const Rect area{4, 4, 40, 30};
  const struct {
    std::uint32_t edge, flags;
    int shrink;
  } rows[] = {{EdgeRaised, BfRect | BfAdjust, 2},
              {EdgeSunken, BfRect | BfAdjust, 2},
              {BdrRaisedOuter, BfRect | BfAdjust, 1},
              {BdrSunkenOuter, BfRect | BfAdjust, 1},
              {EdgeRaised, BfRect, 0},
              {EdgeEtched, BfRect | BfAdjust, 2}};
  for (const auto& row : rows) {
    Rect r = area;
    EXPECT_TRUE(DrawEdge(dc.Get(), &r, row.edge, row.flags)) << row.edge;
    EXPECT_EQ(Sides(r), Sides({4 + row.shrink, 4 + row.shrink, 40 - row.shrink, 30 - row.shrink})) << row.edge;
  }
  EXPECT_TRUE(FillRectSysColor(dc.Get(), &area, ColorBtnFace));
  EXPECT_TRUE(DrawFocusRect(dc.Get(), &area));
  EXPECT_TRUE(SetPixelV(dc.Get(), 5, 5, 0x0000FF));
}

// Each call answers what the context held before; a fresh one holds black
// text on a filled white background.
TEST_F(WindowSuite, TextAndBackgroundSettingsAnswerWhatTheContextHeldBefore) {
  Window w("Paint", WsPopup | WsVisible);
  const auto dc = WindowDc(w.h);
  constexpr int Opaque = 2;
  EXPECT_EQ(SetTextColor(dc.Get(), 0x0000FF), 0x000000u);
  EXPECT_EQ(SetTextColor(dc.Get(), 0x00FF00), 0x0000FFu);
  EXPECT_EQ(SetBkColor(dc.Get(), 0x808080), 0xFFFFFFu);
  EXPECT_EQ(SetBkColor(dc.Get(), 0x000000), 0x808080u);
  EXPECT_EQ(SetBkMode(dc.Get(), Transparent), Opaque);
  EXPECT_EQ(SetBkMode(dc.Get(), Opaque), Transparent);
}

// A shadow darker than the face it falls on, colours as 0x00BBGGRR, the
// system's own brushes; the system font and a created one, measured.
TEST_F(WindowSuite, SystemColoursBrushesAndFontMeasures) {
  auto brightness = [](std::uint32_t c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF); };
  for (int index : {ColorBtnFace, ColorBtnShadow, ColorWindow, ColorWindowText}) {
    EXPECT_EQ(GetSysColor(index) >> 24, 0u) << index;
    EXPECT_NE(GetSysColorBrush(index), 0u) << index;
    EXPECT_EQ(GetSysColorBrush(index), GetSysColorBrush(index)) << index << ": the system's one brush";
  }
  EXPECT_LT(brightness(GetSysColor(ColorBtnShadow)), brightness(GetSysColor(ColorBtnFace)));

  Window w("Fonts", WsPopup);
  const auto dc = WindowDc(w.h);
  const Hgdiobj systemFont = GetStockObject(SystemFont);
  ASSERT_NE(systemFont, 0u);
  const UniqueHandle font(CreateFontA(-11, FwNormal, false, false, "MS Sans Serif"), [](Hfont f) { DeleteObject(f); });
  const Hgdiobj old = SelectObject(dc.Get(), systemFont);
  for (const auto& [what, object, least] : {std::tuple{"system", systemFont, 1}, {"created", font.Get(), 11}}) {
    SelectObject(dc.Get(), object);
    TextMetric m;
    ASSERT_TRUE(GetTextMetricsA(dc.Get(), &m)) << what;
    EXPECT_GE(m.height, least) << what << ": the character height and the leading";
    EXPECT_EQ(m.height, m.ascent + m.descent) << what;
    EXPECT_GT(m.averageWidth, 0) << what;
  }
  SelectObject(dc.Get(), old);
}

// A handle released is gone: a second DeleteObject or ReleaseDC fails, and
// what is no device context draws and measures nothing.
TEST_F(WindowSuite, AnObjectOrAContextReleasedTwiceIsRefusedTheSecondTime) {
  Window w("Paint", WsPopup | WsVisible);
  const Hfont font = CreateFontA(-11, FwNormal, false, false, "MS Sans Serif");
  ASSERT_NE(font, 0u);
  Rect r{0, 0, 10, 10};
  TextMetric m;
  EXPECT_FALSE(GetTextMetricsA(font, &m)) << "a font is no device context";
  const bool drawn = DrawFocusRect(font, &r);
  contract::KnownWineDeviation(!drawn, drawn, "a focus rectangle drawn on a font reports success");
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_FALSE(DeleteObject(font));
  const Hdc dc = GetDC(w.h);
  ASSERT_NE(dc, 0u);
  EXPECT_EQ(SelectObject(dc, font), 0u) << "a deleted font";
  EXPECT_EQ(ReleaseDC(w.h, dc), 1);
  EXPECT_EQ(ReleaseDC(w.h, dc), 0);
}

TEST_F(WindowSuite, RectanglesGrowShrinkAndMove) {
  Rect r{10, 20, 30, 40};
  ASSERT_TRUE(InflateRect(&r, -3, -4));
  EXPECT_EQ(Sides(r), Sides({13, 24, 27, 36}));
  ASSERT_TRUE(InflateRect(&r, 5, 1));
  EXPECT_EQ(Sides(r), Sides({8, 23, 32, 37}));
  ASSERT_TRUE(OffsetRect(&r, 1, -30));
  EXPECT_EQ(Sides(r), Sides({9, -7, 33, 7}));
}

}  // namespace
