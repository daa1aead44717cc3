// The message queue of the simulated GUI thread and the loop calls.
#include <algorithm>
#include <cstring>

#include "platform/sim/SimWindowState.h"

namespace platform {
using namespace sim::detail;

namespace {

bool Matches(const Msg& m, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax) {
  if (window && m.hwnd != window && !IsChildOf(m.hwnd, window)) return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return m.message >= filterMin && m.message <= filterMax;
}

// Takes the first matching message; timers are looked at only when nothing
// else waits, as their ticks have the lowest priority.
bool Take(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax, bool remove) {
  auto& q = S().queue;
  for (int pass = 0; pass < 2; ++pass) {
    auto it = std::find_if(q.begin(), q.end(), [&](const Msg& m) { return Matches(m, window, filterMin, filterMax); });
    if (it != q.end()) {
      *msg = *it;
      if (remove) {
        q.erase(it);
        if (msg->message == WmTimer) {
          auto t = S().timers.find({msg->hwnd, msg->wParam});
          if (t != S().timers.end()) t->second.pending = false;
        }
      }
      return true;
    }
    if (pass == 0 && !QueueDueTimer()) break;
  }
  return false;
}

}  // namespace

Lresult DefWindowProcA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (!w) return 0;
  switch (message) {
    case WmNcCreate: return 1;
    case WmSetText: w->title = lParam ? reinterpret_cast<const char*>(lParam) : ""; return 1;
    case WmGetText: {
      char* buffer = reinterpret_cast<char*>(lParam);
      int size = static_cast<int>(wParam);
      if (!buffer || size <= 0) return 0;
      int n = std::min<int>(static_cast<int>(w->title.size()), size - 1);
      std::memcpy(buffer, w->title.data(), static_cast<std::size_t>(n));
      buffer[n] = '\0';
      return n;
    }
    case WmGetTextLength: return static_cast<Lresult>(w->title.size());
    case WmClose: DestroyWindow(window); return 0;
    case WmSysCommand:
      switch (wParam & 0xFFF0) {
        case ScMinimize: ShowWindow(window, SwMinimize); break;
        case ScRestore: ShowWindow(window, SwRestore); break;
        case ScClose: SendMessageA(window, WmClose, 0, 0); break;
        default: break;
      }
      return 0;
    case WmSetIcon: return 0;
    case WmNcHitTest: return HtClient;
    case WmSetCursor:
      // The parent chooses first; otherwise the class's arrow.
      if ((w->style & WsChild) && w->parent) {
        if (Lresult chosen = SendMessageA(w->parent, message, wParam, lParam)) return chosen;
      }
      if (LoWord(static_cast<std::uintptr_t>(lParam)) != static_cast<std::uint32_t>(HtClient)) return 0;
      SetCursorShape(IdcArrow);
      return 1;
    case WmActivate:
      if (LoWord(wParam) != WaInactive && !w->iconic) SetFocus(window);
      return 0;
    default: return 0;
  }
}

Lresult CallWindowProcA(WndProc proc, Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  return proc ? proc(window, message, wParam, lParam) : 0;
}

Lresult SendMessageA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (!w || !w->proc) return 0;
  return w->proc(window, message, wParam, lParam);
}

bool PostMessageA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  if (window && !Find(window)) {
    SetLastError(1400);
    return false;
  }
  S().queue.push_back({window, message, wParam, lParam, S().clock, {}});
  return true;
}

void PostQuitMessage(int exitCode) {
  S().quitPosted = true;
  S().quitCode = exitCode;
}

int GetMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax) {
  if (!msg) return -1;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (Take(msg, window, filterMin, filterMax, true)) return 1;
    if (S().quitPosted) {
      S().quitPosted = false;
      *msg = {0, WmQuit, static_cast<Wparam>(S().quitCode), 0, S().clock, {}};
      return 0;
    }
    if (attempt == 0 && S().idle) {
      auto idle = S().idle;
      idle();
    }
  }
  // Nothing can ever arrive: a real thread would wait forever.
  SetLastError(1460);  // ERROR_TIMEOUT
  return -1;
}

bool PeekMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax, std::uint32_t removeFlags) {
  if (!msg) return false;
  bool remove = (removeFlags & PmRemove) != 0;
  if (Take(msg, window, filterMin, filterMax, remove)) return true;
  if (S().quitPosted) {
    if (remove) S().quitPosted = false;
    *msg = {0, WmQuit, static_cast<Wparam>(S().quitCode), 0, S().clock, {}};
    return true;
  }
  return false;
}

bool TranslateMessage(const Msg* msg) {
  // Key presses are posted as WM_KEYDOWN and WM_CHAR by the test itself.
  return msg && msg->message == WmKeyDown;
}

Lresult DispatchMessageA(const Msg* msg) {
  if (!msg || !msg->hwnd) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

bool IsDialogMessageA(Hwnd, Msg*) { return false; }

bool WaitMessage() {
  if (!S().queue.empty() || S().quitPosted) return true;
  if (S().idle) {
    auto idle = S().idle;
    idle();
  }
  return !S().queue.empty() || S().quitPosted || QueueDueTimer();
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

void SetIdleHandler(std::function<void()> handler) { S().idle = std::move(handler); }

void DispatchPending() {
  platform::Msg msg;
  while (platform::PeekMessageA(&msg, 0, 0, 0, platform::PmRemove)) {
    if (msg.message == platform::WmQuit) {
      platform::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    platform::TranslateMessage(&msg);
    platform::DispatchMessageA(&msg);
  }
}

}  // namespace sim
