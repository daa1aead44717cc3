#pragma once
// What tests look at, and clear up, beyond the calls the program makes: the
// last error, a window's class, parent and place on the screen, a menu's
// items, a list view's items and columns, and deleting a registry key. Each
// keeps the name and behaviour of the Windows call it stands for; one
// implementation reads the simulated machine (sim/), the other calls the
// real system (win32/).
#include <cstdint>
#include <string>

#include "platform/types.h"
#include "platform/windowing.h"

namespace probe {

std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

int GetClassNameA(platform::Hwnd window, char* buffer, int size);
platform::Hwnd GetParent(platform::Hwnd window);
// The window's outer rectangle in screen coordinates, child windows too.
bool GetWindowRect(platform::Hwnd window, platform::Rect* rect);

int GetMenuItemCount(platform::Hmenu menu);
int GetMenuStringA(platform::Hmenu menu, std::uint32_t item, char* buffer, int size, std::uint32_t flags);
std::uint32_t GetMenuState(platform::Hmenu menu, std::uint32_t item, std::uint32_t flags);

// A column's heading, "" when there is no such column.
std::string ListViewGetColumnText(platform::Hwnd list, int index);
int ListViewGetItemCount(platform::Hwnd list);
std::string ListViewGetItemText(platform::Hwnd list, int index);
std::uint32_t ListViewGetItemState(platform::Hwnd list, int index, std::uint32_t mask);
bool ListViewGetCheckState(platform::Hwnd list, int index);

// Fails with ErrorAccessDenied for a key that still has sub-keys.
long RegDeleteKeyA(platform::Hkey root, const char* subKey);

}  // namespace probe
