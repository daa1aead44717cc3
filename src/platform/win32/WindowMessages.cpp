// The message queue of the GUI thread over the real API.
#include <windows.h>

#include "platform/windowing.h"

namespace platform {

namespace {
HWND H(Hwnd window) { return reinterpret_cast<HWND>(window); }
void ToMsg(const MSG& m, Msg* msg) {
  *msg = {reinterpret_cast<Hwnd>(m.hwnd),     m.message,       m.wParam, m.lParam,
          static_cast<std::uint32_t>(m.time), {m.pt.x, m.pt.y}};
}
MSG FromMsg(const Msg& msg) {
  MSG m{};
  m.hwnd = H(msg.hwnd);
  m.message = msg.message;
  m.wParam = msg.wParam;
  m.lParam = msg.lParam;
  m.time = msg.time;
  m.pt = {msg.pt.x, msg.pt.y};
  return m;
}
}  // namespace

Lresult SendMessageA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  return ::SendMessageA(H(window), message, wParam, lParam);
}

bool PostMessageA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  return ::PostMessageA(H(window), message, wParam, lParam) != 0;
}

void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

int GetMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax) {
  MSG m{};
  int result = ::GetMessageA(&m, H(window), filterMin, filterMax);
  if (msg && result != -1) ToMsg(m, msg);
  return result;
}

bool PeekMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax, std::uint32_t removeFlags) {
  MSG m{};
  if (!::PeekMessageA(&m, H(window), filterMin, filterMax, removeFlags)) return false;
  if (msg) ToMsg(m, msg);
  return true;
}

bool TranslateMessage(const Msg* msg) {
  if (!msg) return false;
  MSG m = FromMsg(*msg);
  return ::TranslateMessage(&m) != 0;
}

Lresult DispatchMessageA(const Msg* msg) {
  if (!msg) return 0;
  MSG m = FromMsg(*msg);
  return ::DispatchMessageA(&m);
}

}  // namespace platform
