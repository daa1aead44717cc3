#include "Commands.h"
#include "WindowText.h"

#include <iostream>

namespace e2e {

namespace {

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PostMessageA(window, message, wParam, lParam))
    throw CheckFailed("PostMessageA failed with error " + std::to_string(GetLastError()));
}

}  // namespace

int ClickCommand(const Args& args) {
  HWND window = ParseWindow(args[0]);
  HWND button = ChildWithText(window, args[1]);
  if (!button) throw CheckFailed("no child showing \"" + args[1] + "\"");
  // Posted: a click that opens a modal window would keep a sent message
  // from returning until that window closes.
  Post(button, BM_CLICK, 0, 0);
  return 0;
}

int MenuCommand(const Args& args) {
  Post(ParseWindow(args[0]), WM_COMMAND, MAKEWPARAM(ParseNumber(args[1]), 0), 0);
  return 0;
}

int PostCommand(const Args& args) {
  Post(ParseWindow(args[0]), ParseNumber(args[1]), ParseNumber(args[2]), ParseNumber(args[3]));
  return 0;
}

int SendCommand(const Args& args) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(ParseWindow(args[0]), ParseNumber(args[1]), ParseNumber(args[2]), ParseNumber(args[3]),
                           SMTO_ABORTIFHUNG, 10000, &result))
    throw CheckFailed("no reply within 10 s");
  std::cout << static_cast<long>(result) << "\n";
  return 0;
}

int BroadcastCommand(const Args& args) {
  // As a shell announces itself: "TaskbarCreated" to every top-level window.
  UINT message = RegisterWindowMessageA(args[0].c_str());
  if (!message) throw CheckFailed("RegisterWindowMessageA failed with error " + std::to_string(GetLastError()));
  Post(HWND_BROADCAST, message, 0, 0);
  return 0;
}

int SetTextCommand(const Args& args) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(ParseWindow(args[0]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[1].c_str()),
                           SMTO_ABORTIFHUNG, 10000, &result) ||
      !result)
    throw CheckFailed("WM_SETTEXT refused");
  return 0;
}

int CloseCommand(const Args& args) {
  Post(ParseWindow(args[0]), WM_CLOSE, 0, 0);
  return 0;
}

int SysCloseCommand(const Args& args) {
  Post(ParseWindow(args[0]), WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

}  // namespace e2e
