// Measuring text for a label's size, which child window a static text
// lets the pointer reach, the pointer's place and shape, the keys held, and
// a mouse message's coordinates.
#include <string>

#include "WindowSuite.h"
#include "platform/UniqueHandle.h"
#include "platform/desktop.h"
#include "platform/gdi.h"
#include "platform/messages.h"
#include "platform/tray.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;

// A static text is transparent to the pointer (the window beneath it takes
// the mouse) unless it notifies its parent.
TEST_F(WindowSuite, AStaticTextTakesThePointerOnlyWithNotify) {
  Window parent("Parent", WsPopup | WsVisible);
  ASSERT_TRUE(MoveWindow(parent.h, 0, 0, 200, 100, false));
  Window plain("plain", WsChild | WsVisible, parent.h, "STATIC", 1);
  Window notifying("notifying", WsChild | WsVisible | SsNotify, parent.h, "STATIC", 2);
  EXPECT_EQ(SendMessageA(plain.h, WmNcHitTest, 0, MakeLparam(5, 5)), HtTransparent);
  EXPECT_EQ(SendMessageA(notifying.h, WmNcHitTest, 0, MakeLparam(5, 5)), HtClient);
}

TEST_F(WindowSuite, DrawTextMeasuresLinesAndBreaksThemBetweenWords) {
  Window w("Text", WsPopup);
  const UniqueHandle dc(GetDC(w.h), [&w](Hdc h) { ReleaseDC(w.h, h); });
  ASSERT_TRUE(dc.Valid());
  const UniqueHandle font(CreateFontA(-11, FwNormal, false, false, "MS Sans Serif"), [](Hfont f) { DeleteObject(f); });
  const Hgdiobj old = SelectObject(dc.Get(), font.Get());
  auto measure = [&](const std::string& text, int width, std::uint32_t format) {
    Rect r{10, 20, 10 + width, 20};
    int height = DrawTextA(dc.Get(), text.c_str(), -1, &r, DtCalcRect | DtExpandTabs | format);
    EXPECT_EQ(r.bottom - r.top, height) << text;
    EXPECT_EQ((std::vector<int>{r.left, r.top}), (std::vector<int>{10, 20})) << text << ": the corner stays";
    return Rect{0, 0, r.right - r.left, height};
  };
  Rect word = measure("word", 0, 0);
  EXPECT_GT(word.right, 0);
  EXPECT_GT(word.bottom, 0);
  const int line = word.bottom;
  EXPECT_GT(measure("wordword", 0, 0).right, word.right);
  EXPECT_EQ(measure("word\nword", 0, 0).bottom, 2 * line) << "a line break without word breaking";
  Rect two = measure("word word", 0, 0);
  EXPECT_EQ(two.bottom, line) << "one line without word breaking";
  Rect wrapped = measure("word word word", two.right, DtWordBreak);
  EXPECT_EQ(wrapped.bottom, 2 * line) << "as many words on a line as fit";
  EXPECT_LE(wrapped.right, two.right);
  Rect narrow = measure("wordword", word.right, DtWordBreak);
  EXPECT_EQ(narrow.bottom, line) << "a word wider than the rectangle is not broken";
  EXPECT_GT(narrow.right, word.right) << "and the rectangle widens to it";
  SelectObject(dc.Get(), old);
}

// A pop-up menu opens where the pointer is; a control sets its own cursor
// while the pointer is over it.
TEST_F(WindowSuite, ThePointerIsOnTheScreenAndTakesTheStandardShapes) {
  Point at{-1, -1};
  ASSERT_TRUE(GetCursorPos(&at));
  EXPECT_TRUE(at.x >= 0 && at.x < GetSystemMetrics(SmCxScreen)) << at.x;
  EXPECT_TRUE(at.y >= 0 && at.y < GetSystemMetrics(SmCyScreen)) << at.y;
  for (int shape : {IdcHand, IdcArrow}) {
    SetCursorShape(shape);
    EXPECT_EQ(windowenv::CursorShape(), shape);
  }
}

TEST_F(WindowSuite, KeysNobodyHoldsReadAsUp) {
  for (int key : {VkShift, VkControl, VkMenu}) EXPECT_GE(GetKeyState(key), 0) << key;
}

// Client coordinates left of or above a window are negative.
TEST_F(WindowSuite, AMouseMessagesCoordinatesAreSignedWords) {
  const struct {
    std::uint32_t lParam;
    int x, y;
  } rows[] = {{0x00070005u, 5, 7}, {0xFFFEFFFBu, -5, -2}, {0x7FFF8000u, -32768, 32767}, {0u, 0, 0}};
  for (const auto& row : rows) {
    const auto l = static_cast<Lparam>(static_cast<std::int32_t>(row.lParam));
    EXPECT_EQ(XFromLparam(l), row.x) << std::hex << row.lParam;
    EXPECT_EQ(YFromLparam(l), row.y) << std::hex << row.lParam;
  }
}

}  // namespace
