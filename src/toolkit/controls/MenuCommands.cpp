#include "toolkit/controls/MenuCommands.h"

#include <map>

#include "toolkit/core/Exceptions.h"

namespace toolkit {

namespace {
std::map<std::uint32_t, std::function<void()>>& Commands() {
  static std::map<std::uint32_t, std::function<void()>> commands;
  return commands;
}
// Identifiers start above those a dialog's buttons use and stay below 0xF000,
// where the system's own commands begin.
constexpr std::uint32_t kFirstCommand = 100;
constexpr std::uint32_t kLastCommand = 0xEFFF;
std::uint32_t next = kFirstCommand;
}  // namespace

std::uint32_t AllocateMenuCommand(std::function<void()> click) {
  for (std::uint32_t tries = 0; tries <= kLastCommand - kFirstCommand; ++tries) {
    std::uint32_t id = next;
    next = next >= kLastCommand ? kFirstCommand : next + 1;
    if (!Commands().count(id)) {
      Commands()[id] = std::move(click);
      return id;
    }
  }
  throw EOutOfResources("Too many menu items");
}

void ReleaseMenuCommand(std::uint32_t command) { Commands().erase(command); }

bool DispatchMenuCommand(std::uint32_t command) {
  auto it = Commands().find(command);
  if (it == Commands().end()) return false;
  // A copy: the click may free the item and release its command.
  std::function<void()> click = it->second;
  click();
  return true;
}

}  // namespace toolkit
