#pragma once
// TWindowSubclass: a handler put in front of a window's procedure, for a
// predefined control's window or another component's window. Any number may
// hook one window and leave in any order: a message reaches the newest
// first, and each hands it on with CallNext. Leaving stops dispatch, then
// gives the window its procedure back once no hook is left (unless a
// procedure put in since sits over the hooks: that one is left in place).
// Whoever destroys a window removes its hooks first; a window destroyed with
// hooks in place drops them as its last message passes.
#include <cstdint>
#include <functional>

#include "platform/windowing.h"

namespace toolkit {

class TWindowSubclass {
 public:
  using THandler =
      std::function<platform::Lresult(std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam)>;

  TWindowSubclass() = default;
  ~TWindowSubclass() { Remove(); }
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Hooks window; a hook already in place is removed first.
  void Install(platform::Hwnd window, THandler handler);
  void Remove();
  bool Installed() const { return installed_; }
  platform::Hwnd Window() const { return installed_ ? window_ : 0; }
  // The window's procedure under every hook of the library.
  platform::WndProc Original() const { return installed_ ? original_ : nullptr; }
  // The handling the window would have without this hook (and with the ones
  // that went in before it).
  platform::Lresult CallNext(std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam);

 private:
  friend struct TSubclassDispatch;
  platform::Lresult Dispatch(std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam);

  bool installed_ = false;
  platform::Hwnd window_ = 0;
  platform::WndProc original_ = nullptr;
  THandler handler_;
};

}  // namespace toolkit
