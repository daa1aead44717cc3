#pragma once
// Command identifiers of menu items: each item takes one for its life, and
// a WM_COMMAND with it reaches the item wherever the menu was shown.
#include <cstdint>
#include <functional>

namespace vcl {

class TMenuItem;

std::uint32_t AllocateMenuCommand(TMenuItem* item);
void ReleaseMenuCommand(std::uint32_t command);
// Clicks the item of this command; false when no item has it.
bool DispatchMenuCommand(std::uint32_t command);

}  // namespace vcl
