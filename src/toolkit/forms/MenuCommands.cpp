#include "toolkit/forms/MenuCommands.h"

#include <map>

#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Menus.h"

namespace vcl {

namespace {
std::map<std::uint32_t, TMenuItem*>& Commands() {
  static std::map<std::uint32_t, TMenuItem*> commands;
  return commands;
}
// Identifiers start above those a dialog's buttons use and stay below 0xF000,
// where the system's own commands begin.
constexpr std::uint32_t kFirstCommand = 100;
constexpr std::uint32_t kLastCommand = 0xEFFF;
std::uint32_t next = kFirstCommand;
}  // namespace

std::uint32_t AllocateMenuCommand(TMenuItem* item) {
  for (std::uint32_t tries = 0; tries <= kLastCommand - kFirstCommand; ++tries) {
    std::uint32_t id = next;
    next = next >= kLastCommand ? kFirstCommand : next + 1;
    if (!Commands().count(id)) {
      Commands()[id] = item;
      return id;
    }
  }
  throw EOutOfResources("Too many menu items");
}

void ReleaseMenuCommand(std::uint32_t command) { Commands().erase(command); }

bool DispatchMenuCommand(std::uint32_t command) {
  auto it = Commands().find(command);
  if (it == Commands().end()) return false;
  it->second->Click();
  return true;
}

}  // namespace vcl
