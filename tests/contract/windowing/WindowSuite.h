#pragma once
// A window class whose procedure records every message, and windows that go
// when the test ends.
#include <gtest/gtest.h>

#include <functional>
#include <source_location>
#include <string>
#include <vector>

#include "WindowEnv.h"
#include "platform/windowing.h"

namespace windowsuite {

struct Seen {
  platform::Hwnd window;
  std::uint32_t message;
  platform::Wparam wParam;
  platform::Lparam lParam;
  std::uint32_t notifyCode = 0;  // of a WM_NOTIFY, read while its lParam was alive
};
std::vector<Seen>& Log();
// The messages of interest, in order, for one window.
std::vector<std::uint32_t> Messages(platform::Hwnd window, const std::vector<std::uint32_t>& interesting);
// The program's interface does not declare what it never asks for.
inline constexpr std::uint32_t WmNcActivate = 0x0086;
// One message a window received; for the activation and enabling messages
// with its flag (the low word of wParam), else 0.
struct Step {
  platform::Hwnd window;
  std::uint32_t message;
  std::uint32_t flag = 0;
  bool operator==(const Step&) const = default;
};
// The messages of interest every window received since the log was
// cleared, in the order they came.
std::vector<Step> Received(const std::vector<std::uint32_t>& interesting);
// Those against the sequence expected; a mismatch is reported at the
// caller's line with both sequences.
void ExpectSequence(const std::vector<Step>& expected, const std::vector<std::uint32_t>& interesting,
                    const std::string& what, std::source_location where = std::source_location::current());
inline constexpr const char* kClass = "MuraltoContractWindow";
// What a test does with each message a recording window is given, before it is recorded.
std::function<void(std::uint32_t message)>& OnMessage();
platform::Lresult MURALTO_WINAPI RecordingProc(platform::Hwnd, std::uint32_t, platform::Wparam, platform::Lparam);

class Window {
 public:
  Window(const char* title, std::uint32_t style = platform::WsOverlapped | platform::WsCaption,
         platform::Hwnd parent = 0, const char* className = kClass, std::uintptr_t id = 0);
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  platform::Hwnd h = 0;
};

class WindowSuite : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace windowsuite
