// The message queue of the simulated GUI thread and the loop calls.
#include <algorithm>
#include <cstring>

#include "platform/sim/SimMachine.h"

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
  auto& q = TheWindows().queue;
  for (int pass = 0; pass < 2; ++pass) {
    auto it = std::find_if(q.begin(), q.end(), [&](const Msg& m) { return Matches(m, window, filterMin, filterMax); });
    if (it != q.end()) {
      *msg = *it;
      if (remove) {
        q.erase(it);
        if (msg->message == WmTimer) {
          auto t = TheWindows().timers.find({msg->hwnd, msg->wParam});
          if (t != TheWindows().timers.end()) t->second.pending = false;
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
    case WmNcActivate: return 1;  // the change may go ahead
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
    sim::SetLastError(1400);
    return false;
  }
  TheWindows().queue.push_back({window, message, wParam, lParam, TheWindows().clock, {}});
  return true;
}

void PostQuitMessage(int exitCode) {
  TheWindows().quitPosted = true;
  TheWindows().quitCode = exitCode;
}

int GetMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax) {
  if (!msg) return -1;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (Take(msg, window, filterMin, filterMax, true)) return 1;
    if (TheWindows().quitPosted) {
      TheWindows().quitPosted = false;
      *msg = {0, WmQuit, static_cast<Wparam>(TheWindows().quitCode), 0, TheWindows().clock, {}};
      return 0;
    }
    if (attempt == 0 && TheWindows().idle) {
      auto idle = TheWindows().idle;
      idle();
    }
  }
  // Nothing can ever arrive: a real thread would wait forever.
  sim::SetLastError(1460);  // ERROR_TIMEOUT
  return -1;
}

bool PeekMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax, std::uint32_t removeFlags) {
  if (!msg) return false;
  bool remove = (removeFlags & PmRemove) != 0;
  if (Take(msg, window, filterMin, filterMax, remove)) return true;
  if (TheWindows().quitPosted) {
    if (remove) TheWindows().quitPosted = false;
    *msg = {0, WmQuit, static_cast<Wparam>(TheWindows().quitCode), 0, TheWindows().clock, {}};
    return true;
  }
  return false;
}

namespace {

// The character a key gives on a US keyboard with the keys now held, or -1
// for a key that gives none: letters in the case Shift chooses (Ctrl makes
// them control characters), digits and the shifted row above them, and the
// keys of a control character of their own.
int CharacterOf(Wparam key) {
  const bool shift = GetKeyState(VkShift) < 0;
  const bool control = GetKeyState(VkControl) < 0;
  const int vk = static_cast<int>(key);
  if (vk >= 'A' && vk <= 'Z') return control ? vk - 'A' + 1 : (shift ? vk : vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9') {
    if (control) return -1;
    return shift ? ")!@#$%^&*("[vk - '0'] : vk;
  }
  switch (vk) {
    case VkSpace: return ' ';
    case VkReturn: return control ? '\n' : '\r';
    case VkEscape: return 0x1B;
    case VkTab: return control ? -1 : '\t';
    case VkBack: return control ? 0x7F : '\b';
    default: return -1;
  }
}

}  // namespace

// A key press posts its character (WM_CHAR, with the press's lParam) to the
// window it went to; every key message counts as translated.
bool TranslateMessage(const Msg* msg) {
  if (!msg) return false;
  if (msg->message == WmKeyDown) {
    const int c = CharacterOf(msg->wParam);
    if (c >= 0) PostMessageA(msg->hwnd, WmChar, static_cast<Wparam>(c), msg->lParam);
  }
  return msg->message == WmKeyDown || msg->message == WmKeyUp || msg->message == WmSysKeyDown;
}

Lresult DispatchMessageA(const Msg* msg) {
  if (!msg || !msg->hwnd) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

void SetIdleHandler(std::function<void()> handler) { TheWindows().idle = std::move(handler); }

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
