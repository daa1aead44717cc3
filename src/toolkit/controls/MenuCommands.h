#pragma once
// Command identifiers of menu items: each item takes one for its life, and
// a WM_COMMAND with it reaches the item wherever the menu was shown.
#include <cstdint>
#include <functional>

namespace toolkit {

// The identifier of a new item; click runs when a command with it arrives.
std::uint32_t AllocateMenuCommand(std::function<void()> click);
void ReleaseMenuCommand(std::uint32_t command);
// Clicks the item of this command; false when no item has it.
bool DispatchMenuCommand(std::uint32_t command);

}  // namespace toolkit
