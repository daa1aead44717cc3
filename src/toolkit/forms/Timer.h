#pragma once
// TTimer: a GUI timer on the platform's SetTimer and KillTimer, with ticks
// delivered by the message loop of the GUI thread.
//   - Setting Enabled or Interval to the value it has does nothing at all.
//   - Any other change stops the platform timer and, when the timer is then
//     enabled with a non-zero interval and a handler, starts it again: the
//     countdown restarts at that moment.
//   - A refused timer fails with "Not enough timers available".
//   - A failure escaping OnTimer goes to the application's failure display,
//     which keeps quiet while one of its boxes is open; the timer keeps
//     ticking.
#include <cstdint>

#include "platform/windowing.h"
#include "toolkit/core/Component.h"

namespace toolkit {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t interval);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);
  // Whether the platform timer runs now.
  bool Running() const { return running_; }

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  void WindowNeeded();
  static platform::Lresult MURALTO_WINAPI WindowProc(platform::Hwnd, std::uint32_t, platform::Wparam, platform::Lparam);

  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
  TNotifyEvent onTimer_;
  platform::Hwnd window_ = 0;
  bool running_ = false;
};

}  // namespace toolkit
