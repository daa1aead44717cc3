#include "WindowSuite.h"

#include <algorithm>
#include <sstream>

#include "platform/commctrl.h"
#include "platform/messages.h"

namespace windowsuite {

std::vector<Seen>& Log() {
  static std::vector<Seen> log;
  return log;
}

std::vector<std::uint32_t> Messages(platform::Hwnd window, const std::vector<std::uint32_t>& interesting) {
  std::vector<std::uint32_t> result;
  for (const Seen& s : Log()) {
    if (s.window != window) continue;
    for (std::uint32_t m : interesting) {
      if (s.message == m) result.push_back(m);
    }
  }
  return result;
}

namespace {
std::string Describe(const std::vector<Step>& steps) {
  std::ostringstream text;
  for (const Step& s : steps)
    text << "\n    window " << std::hex << s.window << " message " << s.message << " flag " << s.flag;
  return text.str();
}
}  // namespace

std::vector<Step> Received(const std::vector<std::uint32_t>& interesting) {
  std::vector<Step> seen;
  for (const Seen& s : Log()) {
    if (std::find(interesting.begin(), interesting.end(), s.message) == interesting.end()) continue;
    const bool flagged =
        s.message == platform::WmActivate || s.message == WmNcActivate || s.message == platform::WmEnable;
    seen.push_back({s.window, s.message, flagged ? platform::LoWord(s.wParam) : 0});
  }
  return seen;
}

void ExpectSequence(const std::vector<Step>& expected, const std::vector<std::uint32_t>& interesting,
                    const std::string& what, std::source_location where) {
  const std::vector<Step> seen = Received(interesting);
  if (seen != expected) {
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
        << what << "\n  received:" << Describe(seen) << "\n  expected:" << Describe(expected);
  }
}

std::function<void(std::uint32_t)>& OnMessage() {
  static std::function<void(std::uint32_t)> react;
  return react;
}

platform::Lresult MURALTO_WINAPI RecordingProc(platform::Hwnd window, std::uint32_t message, platform::Wparam wParam,
                                               platform::Lparam lParam) {
  if (OnMessage()) OnMessage()(message);
  std::uint32_t code = message == platform::WmNotify ? platform::ReadNotifyHeader(lParam).code : 0;
  Log().push_back({window, message, wParam, lParam, code});
  return platform::DefWindowProcA(window, message, wParam, lParam);
}

Window::Window(const char* title, std::uint32_t style, platform::Hwnd parent, const char* className,
               std::uintptr_t id) {
  h = platform::CreateWindowExA(0, className, title, style, 10, 10, 200, 120, parent, id);
}

Window::~Window() {
  if (h && platform::IsWindow(h)) platform::DestroyWindow(h);
}

void WindowSuite::SetUp() {
  windowenv::Fresh();
  platform::InitCommonControls();
  platform::WndClass wc;
  wc.proc = RecordingProc;
  wc.className = kClass;
  ASSERT_TRUE(platform::RegisterClassA(&wc));
  Log().clear();
}

void WindowSuite::TearDown() {
  platform::Msg msg;
  while (platform::PeekMessageA(&msg, 0, 0, 0, platform::PmRemove)) {
  }
  OnMessage() = nullptr;
  Log().clear();
}

}  // namespace windowsuite
