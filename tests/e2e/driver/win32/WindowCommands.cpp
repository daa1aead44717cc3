#include "Commands.h"
#include "Poll.h"
#include "WindowText.h"

#include <iostream>

namespace e2e {

namespace {

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// A top-level window, or else a message-only one (a program's hidden helper
// windows may be either).
HWND FindAnyWindow(const std::string& cls, const std::string& title) {
  if (HWND window = FindWindowA(OrAny(cls), OrAny(title))) return window;
  return FindWindowExA(HWND_MESSAGE, nullptr, OrAny(cls), OrAny(title));
}

}  // namespace

int FindCommand(const Args& args) {
  HWND window = FindAnyWindow(args[0], args[1]);
  if (!window) throw CheckFailed("no window of class \"" + args[0] + "\" titled \"" + args[1] + "\"");
  std::cout << FormatWindow(window) << "\n";
  return 0;
}

int WaitWindowCommand(const Args& args) {
  HWND window = nullptr;
  const bool found = PollUntil(ParseSeconds(args[2]), [&] {
    window = FindAnyWindow(args[0], args[1]);
    return window != nullptr;
  });
  if (!found)
    throw CheckFailed("no window of class \"" + args[0] + "\" titled \"" + args[1] + "\" within " + args[2] + " s");
  std::cout << FormatWindow(window) << "\n";
  return 0;
}

int WaitGoneCommand(const Args& args) {
  HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ParseNumber(args[0])));
  if (!PollUntil(ParseSeconds(args[1]), [&] { return !IsWindow(window); }))
    throw CheckFailed("window " + args[0] + " still exists after " + args[1] + " s");
  return 0;
}

int TextsCommand(const Args& args) {
  HWND window = ParseWindow(args[0]);
  std::cout << TextOf(window) << "\n";
  for (HWND child : Children(window))
    std::cout << FormatWindow(child) << "\t" << ClassOf(child) << "\t" << GetDlgCtrlID(child) << "\t" << TextOf(child)
              << "\n";
  return 0;
}

int WaitTextCommand(const Args& args) {
  HWND window = ParseWindow(args[0]);
  const bool shown = PollUntil(ParseSeconds(args[2]),
                               [&] { return TextOf(window) == args[1] || ChildWithText(window, args[1]) != nullptr; });
  if (!shown) throw CheckFailed("\"" + args[1] + "\" not shown within " + args[2] + " s");
  return 0;
}

int VisibleCommand(const Args& args) {
  std::cout << (IsWindowVisible(ParseWindow(args[0])) ? 1 : 0) << "\n";
  return 0;
}

int RectCommand(const Args& args) {
  HWND window = ParseWindow(args[0]);
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  std::cout << outer.left << " " << outer.top << " " << outer.right - outer.left << " " << outer.bottom - outer.top
            << "\n"
            << client.right - client.left << " " << client.bottom - client.top << "\n";
  return 0;
}

int ListCommand(const Args&) {
  std::vector<HWND> windows;
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    std::cout << FormatWindow(window) << "\t" << pid << "\t" << (IsWindowVisible(window) ? 1 : 0) << "\t"
              << ClassOf(window) << "\t" << TextOf(window) << "\n";
  }
  return 0;
}

int ForegroundCommand(const Args&) {
  HWND window = GetForegroundWindow();
  if (!window) throw CheckFailed("no foreground window");
  std::cout << FormatWindow(window) << "\t" << ClassOf(window) << "\t" << TextOf(window) << "\n";
  return 0;
}

namespace {

// The control that has the keyboard focus in the window's thread, or null.
HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace

int FocusCommand(const Args& args) {
  HWND focus = FocusOf(ParseWindow(args[0]));
  if (!focus) throw CheckFailed("nothing has the focus");
  std::cout << FormatWindow(focus) << "\t" << ClassOf(focus) << "\t" << TextOf(focus) << "\n";
  return 0;
}

int WaitFocusCommand(const Args& args) {
  HWND window = ParseWindow(args[0]);
  HWND focus = nullptr;
  const bool arrived = PollUntil(ParseSeconds(args[2]), [&] {
    focus = FocusOf(window);
    return focus && TextOf(focus) == args[1];
  });
  if (!arrived)
    throw CheckFailed("the focus never reached \"" + args[1] + "\" within " + args[2] + " s" +
                      (focus ? "; it is on \"" + TextOf(focus) + "\"" : ""));
  std::cout << FormatWindow(focus) << "\n";
  return 0;
}

int WindowProcessCommand(const Args& args) {
  DWORD pid = 0;
  GetWindowThreadProcessId(ParseWindow(args[0]), &pid);
  std::cout << pid << "\n";
  return 0;
}

}  // namespace e2e
