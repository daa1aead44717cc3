// Hooks on one window: the newest sees a message first, each leaves in any
// order, from inside its own handling too, and a destroyed window drops them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"
#include "platform/windowing.h"
#include "toolkit/controls/WindowSubclass.h"

namespace {

constexpr std::uint32_t kProbe = 0x0400;  // WM_USER
std::vector<std::string> seen;

platform::Lresult MURALTO_WINAPI Own(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                     platform::Lparam lParam) {
  if (msg == kProbe) seen.push_back("own");
  return platform::DefWindowProcA(window, msg, wParam, lParam);
}

TEST(WindowSubclassTest, HooksRunNewestFirstAndLeaveInAnyOrder) {
  sim::Reset();
  seen.clear();
  platform::WndClass wc;
  wc.proc = Own;
  wc.className = "SubclassProbe";
  platform::RegisterClassA(&wc);
  platform::Hwnd window = platform::CreateWindowExA(0, "SubclassProbe", "", platform::WsPopup, 0, 0, 0, 0, 0, 0);
  toolkit::TWindowSubclass older, newer;
  older.Install(window, [&](std::uint32_t msg, platform::Wparam w, platform::Lparam l) {
    if (msg == kProbe) seen.push_back("older");
    return older.CallNext(msg, w, l);
  });
  newer.Install(window, [&](std::uint32_t msg, platform::Wparam w, platform::Lparam l) {
    if (msg == kProbe) {
      seen.push_back("newer");
      newer.Remove();  // leaves while it runs: this message goes to the window's own procedure
    }
    return newer.CallNext(msg, w, l);
  });
  platform::SendMessageA(window, kProbe, 0, 0);
  platform::SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"newer", "own", "older", "own"}));
  older.Remove();
  EXPECT_EQ(platform::GetWindowLongA(window, platform::GwlWndProc), reinterpret_cast<std::intptr_t>(&Own));
  older.Install(window,
                [&](std::uint32_t msg, platform::Wparam w, platform::Lparam l) { return older.CallNext(msg, w, l); });
  platform::DestroyWindow(window);
  EXPECT_FALSE(older.Installed()) << "the window's end ends its hooks";
  sim::Reset();
}

}  // namespace
