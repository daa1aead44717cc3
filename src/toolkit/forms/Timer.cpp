#include "toolkit/forms/Timer.h"

#include "platform/timers.h"
#include "toolkit/controls/WindowBinding.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Application.h"

namespace toolkit {

namespace {
constexpr const char* kTimerWindowClass = "TPUtilWindow";
constexpr std::uintptr_t kTimerId = 1;
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (!window_) return;
  if (running_) platform::KillTimer(window_, kTimerId);
  UnbindWindow(window_);
  platform::DestroyWindow(window_);
}

// A hidden window of its own receives the ticks. It comes with the first
// start: a timer that never runs, as the rotation's until it is started,
// costs the program's start no window.
void TTimer::WindowNeeded() {
  if (window_) return;
  platform::WndClass wc;
  wc.proc = &TTimer::WindowProc;
  wc.className = kTimerWindowClass;
  platform::RegisterClassA(&wc);
  window_ =
      platform::CreateWindowExA(platform::WsExToolWindow, kTimerWindowClass, "", platform::WsPopup, 0, 0, 0, 0, 0, 0);
  if (!window_) throw EOutOfResources(msg::NoTimers);
  BindWindow(window_, this);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(std::uint32_t interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (running_) platform::KillTimer(window_, kTimerId);
  running_ = false;
  if (enabled_ && interval_ != 0 && onTimer_) {
    WindowNeeded();
    if (platform::SetTimer(window_, kTimerId, interval_) == 0) throw EOutOfResources(msg::NoTimers);
    running_ = true;
  }
}

void TTimer::Timer() { Fire(onTimer_, this); }

platform::Lresult MURALTO_WINAPI TTimer::WindowProc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                                    platform::Lparam lParam) {
  if (msg == platform::WmTimer) {
    if (TTimer* timer = WindowObjectAs<TTimer>(window)) {
      try {
        timer->Timer();
      } catch (...) {
        HandleCurrentException(TFailureSource::TimerTick);
      }
    }
    return 0;
  }
  return platform::DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace toolkit
