#pragma once
// The failure message boxes of the watched program: found among its
// top-level windows (dialog class "#32770"), read, and closed with their OK
// button after a while, so that the rotation behind them goes on.

#include <windows.h>

#include <string>
#include <vector>

namespace soak {

struct FailureBox {
  HWND window;
  std::string title;
  std::string text;  // the message, the static texts joined by " | "
};

// The visible message boxes that the process owns now.
std::vector<FailureBox> OpenBoxes(DWORD processId);

// Presses OK (WM_COMMAND IDOK, as the button does).
void Dismiss(HWND box);

}  // namespace soak
