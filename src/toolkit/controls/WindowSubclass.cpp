#include "toolkit/controls/WindowSubclass.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/messages.h"
#include "toolkit/controls/WindowExceptions.h"

namespace toolkit {

namespace {

// The hooks of one window, oldest first, over the procedure it had before.
struct Chain {
  platform::WndProc original = nullptr;
  std::vector<TWindowSubclass*> hooks;
};

std::map<platform::Hwnd, Chain>& Chains() {
  static std::map<platform::Hwnd, Chain> chains;
  return chains;
}

Chain* ChainOf(platform::Hwnd window) {
  auto it = Chains().find(window);
  return it == Chains().end() ? nullptr : &it->second;
}

}  // namespace

struct TSubclassDispatch {
  static platform::Lresult MURALTO_WINAPI Proc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                               platform::Lparam lParam) {
    Chain* chain = ChainOf(window);
    if (!chain) return platform::DefWindowProcA(window, msg, wParam, lParam);
    platform::Lresult result = chain->hooks.empty()
                                   ? platform::CallWindowProcA(chain->original, window, msg, wParam, lParam)
                                   : chain->hooks.back()->Dispatch(msg, wParam, lParam);
    if (msg == platform::WmNcDestroy) Forget(window);
    return result;
  }

  // The window is gone: its hooks no longer hook anything.
  static void Forget(platform::Hwnd window) {
    Chain* chain = ChainOf(window);
    if (!chain) return;
    for (TWindowSubclass* hook : chain->hooks) hook->installed_ = false;
    Chains().erase(window);
  }

  static std::intptr_t Address() { return reinterpret_cast<std::intptr_t>(&Proc); }
};

void TWindowSubclass::Install(platform::Hwnd window, THandler handler) {
  Remove();
  if (!ChainOf(window)) {
    auto previous = platform::SetWindowLongA(window, platform::GwlWndProc, TSubclassDispatch::Address());
    if (!previous) return;  // not a window
    Chains()[window].original = reinterpret_cast<platform::WndProc>(previous);
  }
  Chain& chain = Chains()[window];
  chain.hooks.push_back(this);
  window_ = window;
  original_ = chain.original;
  handler_ = std::move(handler);
  installed_ = true;
}

void TWindowSubclass::Remove() {
  if (!installed_) return;
  installed_ = false;
  Chain* chain = ChainOf(window_);
  if (!chain) return;
  std::erase(chain->hooks, this);
  if (!chain->hooks.empty()) return;
  // A procedure put in over the hooks still calls down into them: the
  // window keeps that one and the empty chain passes its messages on.
  if (platform::GetWindowLongA(window_, platform::GwlWndProc) != TSubclassDispatch::Address()) return;
  platform::SetWindowLongA(window_, platform::GwlWndProc, reinterpret_cast<std::intptr_t>(chain->original));
  Chains().erase(window_);
}

platform::Lresult TWindowSubclass::CallNext(std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam) {
  if (Chain* chain = installed_ ? ChainOf(window_) : nullptr) {
    auto self = std::find(chain->hooks.begin(), chain->hooks.end(), this);
    if (self != chain->hooks.begin() && self != chain->hooks.end())
      return (*std::prev(self))->Dispatch(msg, wParam, lParam);
  }
  // The oldest hook, or one removed while it handled this message: the
  // message goes to the procedure under every hook.
  return platform::CallWindowProcA(original_, window_, msg, wParam, lParam);
}

platform::Lresult TWindowSubclass::Dispatch(std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam) {
  try {
    return handler_(msg, wParam, lParam);
  } catch (...) {
    HandleWindowException();
    return 0;
  }
}

}  // namespace toolkit
