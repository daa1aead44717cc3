#pragma once
// Texts of windows of other processes: WM_GETTEXT works across processes
// where GetWindowTextA returns nothing for child controls.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::string TextOf(HWND window);
std::string ClassOf(HWND window);

// Every descendant window, in the order EnumChildWindows gives them.
std::vector<HWND> Children(HWND window);

// The first descendant whose text equals `text`, or null.
HWND ChildWithText(HWND window, const std::string& text);

}  // namespace e2e
