// The folder browser with scripted answers, a record of the files opened,
// and a settable calendar clock.
#include <algorithm>
#include <cstring>
#include <ctime>
#include <map>

#include "platform/shell.h"
#include "platform/sim/SimMachine.h"

namespace {

sim::machine::ShellState& Shell() { return sim::machine::TheMachine().shell; }

}  // namespace

namespace sim {

std::vector<BrowseCall>& BrowseCalls() { return Shell().calls; }
void SetBrowseHandler(std::function<std::optional<std::string>(const BrowseCall&)> handler) {
  Shell().handler = std::move(handler);
}
int LiveItemIdLists() { return static_cast<int>(Shell().items.size()); }
void SetCalendarTime(std::optional<std::int64_t> seconds) { Shell().calendar = seconds; }
std::vector<ExecuteCall>& ExecuteCalls() { return Shell().executed; }

}  // namespace sim

namespace platform {

Pidl SHBrowseForFolderA(const BrowseInfo* info) {
  if (!info) return 0;
  sim::BrowseCall call{info->owner, info->root, info->title ? info->title : "", info->flags};
  Shell().calls.push_back(call);
  std::optional<std::string> answer;
  if (auto handler = Shell().handler) answer = handler(call);
  if (!answer) return 0;
  if (info->displayName) {
    std::string name = *answer == sim::BrowseVirtualItem ? "Virtual" : *answer;
    std::size_t n = std::min<std::size_t>(name.size(), MaxPath - 1);
    std::memcpy(info->displayName, name.data(), n);
    info->displayName[n] = '\0';
  }
  Pidl item = Shell().nextItem++;
  Shell().items[item] = *answer;
  return item;
}

bool SHGetPathFromIDListA(Pidl item, char* path) {
  auto found = Shell().items.find(item);
  if (found == Shell().items.end() || !path || found->second == sim::BrowseVirtualItem) return false;
  if (found->second.size() >= MaxPath) return false;
  std::memcpy(path, found->second.c_str(), found->second.size() + 1);
  return true;
}

void CoTaskMemFree(Pidl item) { Shell().items.erase(item); }

std::intptr_t ShellExecuteA(Hwnd owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int showCommand) {
  auto text = [](const char* s) { return s ? std::optional<std::string>(s) : std::nullopt; };
  Shell().executed.push_back({owner, text(verb), text(file), text(parameters), text(directory), showCommand});
  return 42;
}

std::int64_t CalendarTimeSeconds() {
  if (Shell().calendar) return *Shell().calendar;
  return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace platform
