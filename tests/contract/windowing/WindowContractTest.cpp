// Windows: creation and destruction messages, texts, lookup, visibility,
// enabling, focus and subclassing.
#include <cstring>

#include "WindowSuite.h"
#include "contract/ContractChecks.h"
#include "platform/commctrl.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "platform/tray.h"
#include "support/Probe.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;
using namespace probe;

TEST_F(WindowSuite, CreationSendsNcCreateThenCreateBeforeReturning) {
  Window w("Created");
  ASSERT_NE(w.h, 0u);
  // An overlapped window learns its size when it is first shown, a child
  // window while it is created.
  EXPECT_EQ(windowsuite::Messages(w.h, {WmNcCreate, WmCreate, WmSize}),
            (std::vector<std::uint32_t>{WmNcCreate, WmCreate}));
  EXPECT_FALSE(IsWindowVisible(w.h));
  ShowWindow(w.h, SwShow);
  EXPECT_EQ(windowsuite::Messages(w.h, {WmNcCreate, WmCreate, WmSize}),
            (std::vector<std::uint32_t>{WmNcCreate, WmCreate, WmSize}));
  Window child("Child", WsChild, w.h);
  EXPECT_EQ(windowsuite::Messages(child.h, {WmNcCreate, WmCreate, WmSize}),
            (std::vector<std::uint32_t>{WmNcCreate, WmCreate, WmSize}));
}

TEST_F(WindowSuite, AnUnknownClassCreatesNothing) {
  SetLastError(0);
  EXPECT_EQ(CreateWindowExA(0, "MuraltoNoSuchClass", "x", WsPopup, 0, 0, 1, 1, 0, 0), 0u);
  const std::uint32_t error = GetLastError();
  contract::KnownWineDeviation(error == 1407, error == 1411,
                               "ERROR_CANNOT_FIND_WND_CLASS; Wine says ERROR_CLASS_DOES_NOT_EXIST");
}

TEST_F(WindowSuite, DestroyingSendsDestroyToParentThenChildAndNcDestroyLast) {
  Window parent("Parent");
  Window child("Child", WsChild | WsVisible, parent.h);
  Hwnd p = parent.h, c = child.h;
  windowsuite::Log().clear();
  ASSERT_TRUE(DestroyWindow(p));
  windowsuite::ExpectSequence({{p, WmDestroy}, {c, WmDestroy}, {c, WmNcDestroy}, {p, WmNcDestroy}},
                              {WmDestroy, WmNcDestroy}, "destroyed");
  EXPECT_FALSE(IsWindow(p));
  EXPECT_FALSE(IsWindow(c));
}

TEST_F(WindowSuite, WindowTextIsCutToTheBufferWithATerminatingZero) {
  Window w("Muralto 1.2");
  struct Row {
    int size;
    int copied;
    const char* text;
  } rows[] = {{64, 11, "Muralto 1.2"}, {12, 11, "Muralto 1.2"}, {11, 10, "Muralto 1."}, {4, 3, "Mur"}, {1, 0, ""}};
  for (const Row& row : rows) {
    char buffer[64];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(GetWindowTextA(w.h, buffer, row.size), row.copied) << row.size;
    EXPECT_STREQ(buffer, row.text) << row.size;
  }
  EXPECT_EQ(GetWindowTextLengthA(w.h), 11);
  ASSERT_TRUE(SetWindowTextA(w.h, "Muralto"));
  EXPECT_EQ(GetWindowTextLengthA(w.h), 7);
}

TEST_F(WindowSuite, FindWindowMatchesClassAndTitleWithoutRegardToCaseAndOnlyTopLevel) {
  Window top("Muralto 1.2 contract");
  Window child("Child of contract", WsChild, top.h);
  EXPECT_EQ(FindWindowA("muraltocontractwindow", "MURALTO 1.2 CONTRACT"), top.h);
  EXPECT_EQ(FindWindowA(nullptr, "muralto 1.2 contract"), top.h);
  EXPECT_EQ(FindWindowA("MuraltoContractWindow", "Muralto 1.2"), 0u);  // the whole title must match
  EXPECT_EQ(FindWindowA(nullptr, "Child of contract"), 0u);
  EXPECT_EQ(GetParent(child.h), top.h);
  char name[64] = {};
  EXPECT_EQ(GetClassNameA(top.h, name, sizeof name), static_cast<int>(std::strlen(windowsuite::kClass)));
  EXPECT_STREQ(name, windowsuite::kClass);
}

TEST_F(WindowSuite, ShowWindowReportsTheEarlierVisibility) {
  Window w("Shown");
  EXPECT_FALSE(ShowWindow(w.h, SwShow));
  EXPECT_TRUE(IsWindowVisible(w.h));
  EXPECT_TRUE(ShowWindow(w.h, SwHide));
  EXPECT_FALSE(IsWindowVisible(w.h));
  Window child("Child", WsChild | WsVisible, w.h);
  EXPECT_FALSE(IsWindowVisible(child.h)) << "a child of a hidden window is not visible";
  ShowWindow(w.h, SwShowNormal);
  EXPECT_TRUE(IsWindowVisible(child.h));
  ShowWindow(w.h, SwMinimize);
  EXPECT_TRUE(IsIconic(w.h));
  ShowWindow(w.h, SwRestore);
  EXPECT_FALSE(IsIconic(w.h));
}

TEST_F(WindowSuite, EnableWindowReportsWhetherItWasDisabled) {
  Window w("Enabled");
  EXPECT_FALSE(EnableWindow(w.h, false));
  EXPECT_FALSE(IsWindowEnabled(w.h));
  EXPECT_TRUE(EnableWindow(w.h, false));
  EXPECT_TRUE(EnableWindow(w.h, true));
  EXPECT_TRUE(IsWindowEnabled(w.h));
}

TEST_F(WindowSuite, FocusMovesWithKillFocusBeforeSetFocus) {
  Window top("Focus", WsOverlapped | WsCaption | WsVisible);
  SetForegroundWindow(top.h);
  Window a("a", WsChild | WsVisible, top.h);
  Window b("b", WsChild | WsVisible, top.h);
  SetFocus(a.h);
  ASSERT_EQ(GetFocus(), a.h);
  windowsuite::Log().clear();
  EXPECT_EQ(SetFocus(b.h), a.h);
  EXPECT_EQ(GetFocus(), b.h);
  windowsuite::ExpectSequence({{a.h, WmKillFocus}, {b.h, WmSetFocus}}, {WmKillFocus, WmSetFocus}, "focus moved");
}

// What a form's own handling of activation builds on: the window losing it
// is told first, then the one taking it, whose
// default handling gives the focus to itself, not to the child that had it.
TEST_F(WindowSuite, ActivationTellsBothWindowsAndTheDefaultGivesTheFocusToTheWindowItself) {
  Window first("First", WsOverlapped | WsCaption | WsVisible);
  Window second("Second", WsOverlapped | WsCaption | WsVisible);
  Window child("child", WsChild | WsVisible, first.h);
  ASSERT_TRUE(SetForegroundWindow(first.h));
  SetFocus(child.h);
  ASSERT_EQ(GetFocus(), child.h);
  windowsuite::Log().clear();
  ASSERT_TRUE(SetForegroundWindow(second.h));
  windowsuite::ExpectSequence({{first.h, WmActivate, WaInactive}, {second.h, WmActivate, WaActive}}, {WmActivate},
                              "activated");
  EXPECT_EQ(GetFocus(), second.h);
  ASSERT_TRUE(SetForegroundWindow(first.h));
  EXPECT_EQ(GetFocus(), first.h) << "the child that had the focus does not get it back by itself";
}

TEST_F(WindowSuite, TheWindowLosingTheCaptureIsToldWhoTookIt) {
  Window top("Capture", WsOverlapped | WsCaption | WsVisible);
  Window a("a", WsChild | WsVisible, top.h);
  Window b("b", WsChild | WsVisible, top.h);
  SetCapture(a.h);
  ASSERT_EQ(GetCapture(), a.h);
  windowsuite::Log().clear();
  EXPECT_EQ(SetCapture(b.h), a.h);
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), 0u);
  std::vector<std::pair<Hwnd, Lparam>> told;
  for (const auto& s : windowsuite::Log()) {
    if (s.message == WmCaptureChanged) told.push_back({s.window, s.lParam});
  }
  std::vector<std::pair<Hwnd, Lparam>> expected{{a.h, static_cast<Lparam>(b.h)}, {b.h, 0}};
  EXPECT_EQ(told, expected);
}

std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}
WndProc previous = nullptr;
Lresult MURALTO_WINAPI Subclass(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  if (message == WmSetText) Calls().push_back(std::string("subclass ") + reinterpret_cast<const char*>(lParam));
  if (message == WmUser + 1) return 42;
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

TEST_F(WindowSuite, SubclassingSeesMessagesFirstAndPassesTheRestOn) {
  Window w("Before");
  Calls().clear();
  previous = reinterpret_cast<WndProc>(SetWindowLongA(w.h, GwlWndProc, reinterpret_cast<std::intptr_t>(&Subclass)));
  EXPECT_EQ(previous, &windowsuite::RecordingProc);
  EXPECT_EQ(GetWindowLongA(w.h, GwlWndProc), reinterpret_cast<std::intptr_t>(&Subclass));
  windowsuite::Log().clear();
  SetWindowTextA(w.h, "After");
  EXPECT_EQ(Calls(), std::vector<std::string>{"subclass After"});
  EXPECT_EQ(windowsuite::Messages(w.h, {WmSetText}), std::vector<std::uint32_t>{WmSetText});
  char text[16] = {};
  GetWindowTextA(w.h, text, sizeof text);
  EXPECT_STREQ(text, "After");
  EXPECT_EQ(SendMessageA(w.h, WmUser + 1, 0, 0), 42);
  SetWindowLongA(w.h, GwlWndProc, reinterpret_cast<std::intptr_t>(previous));
  EXPECT_EQ(SendMessageA(w.h, WmUser + 1, 0, 0), 0);
}

TEST_F(WindowSuite, ClientRectangleOfAWindowAndMoving) {
  Window w("Moved", WsPopup);
  ASSERT_TRUE(MoveWindow(w.h, 5, 6, 120, 80, false));
  Rect r;
  ASSERT_TRUE(GetWindowRect(w.h, &r));
  EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom}), std::vector<int>({5, 6, 125, 86}));
  ASSERT_TRUE(GetClientRect(w.h, &r));
  EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom}), std::vector<int>({0, 0, 120, 80}));
  Rect outer{0, 0, 386, 310};
  ASSERT_TRUE(AdjustWindowRectEx(&outer, WsCaption | WsBorder | WsSysMenu, true, 0));
  EXPECT_LT(outer.top, -19 - 19 + 1) << "caption and menu bar above the client area";
  EXPECT_GT(outer.right - outer.left, 386);
}

TEST_F(WindowSuite, AChildsWindowRectangleIsOnTheScreen) {
  for (std::uint32_t style : {WsPopup, WsOverlapped | WsCaption}) {
    Window parent("Parent", style), child("Child", WsChild, parent.h);
    Rect p, c, frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<std::uint32_t>(GetWindowLongA(parent.h, GwlStyle)), false, 0);
    ASSERT_TRUE(MoveWindow(child.h, 7, 9, 30, 20, false) && GetWindowRect(parent.h, &p) && GetWindowRect(child.h, &c));
    EXPECT_EQ(std::vector<int>({c.left - p.left, c.top - p.top, c.right - c.left, c.bottom - c.top}),
              std::vector<int>({7 - frame.left, 9 - frame.top, 30, 20}));
  }
}

// A form sends its icon only when its class does not already show it; the
// common controls' classes are there once they are loaded.
TEST_F(WindowSuite, AWindowShowsItsClassIconAndTheCommonControlsAreThereOnceLoaded) {
  WndClass withIcon;
  withIcon.proc = windowsuite::RecordingProc;
  withIcon.icon = LoadIconA(0, IdiApplication);
  withIcon.className = "MuraltoContractIconWindow";
  ASSERT_NE(withIcon.icon, 0u);
  ASSERT_TRUE(RegisterClassA(&withIcon));
  Window iconic("Icon", WsPopup, 0, withIcon.className);
  Window plain("Plain", WsPopup);
  EXPECT_EQ(GetClassIcon(iconic.h), withIcon.icon);
  EXPECT_EQ(GetClassIcon(plain.h), 0u);
  EXPECT_EQ(LoadIconA("MURALTO_NO_SUCH_ICON"), 0u) << "an icon the executable does not hold";
  InitCommonControls();
  for (const char* control : {WcListView, WcStatusBar}) {
    Window made("", WsChild | WsVisible, plain.h, control, 1);
    EXPECT_NE(made.h, 0u) << control;
  }
}

}  // namespace
