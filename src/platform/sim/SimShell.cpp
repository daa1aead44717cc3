// The folder browser with scripted answers, a record of the files opened,
// and a settable calendar clock.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>
#include <map>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimWindowState.h"

namespace {

sim::machine::ShellState& Shell() { return sim::machine::TheMachine().shell; }

// An address opens through its scheme's handler ("https:"); anything else
// is a file, which must be there ("C:" is a drive, not a scheme).
bool IsAddress(const char* file) {
  if (!file) return false;
  const char* colon = std::strchr(file, ':');
  if (!colon || colon - file < 2) return false;
  return std::all_of(file, colon, [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
  });
}

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
  // The browser is a modal dialog of the owner's; the scripted user answers
  // from inside it, or, with no script, cancels once the queue is empty.
  std::optional<std::string> answer;
  std::function<int()> choose;
  if (auto handler = Shell().handler) {
    choose = [&answer, handler, call] {
      answer = handler(call);
      return answer ? IdOk : IdCancel;
    };
  }
  sim::detail::RunModalBox(info->owner, call.title, "Browse for Folder", MbOkCancel, choose, IdCancel);
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
  if (!path) return false;
  // An item without a path leaves an empty text behind.
  path[0] = '\0';
  auto found = Shell().items.find(item);
  if (found == Shell().items.end() || found->second == sim::BrowseVirtualItem) return false;
  if (found->second.size() >= MaxPath) return false;
  std::memcpy(path, found->second.c_str(), found->second.size() + 1);
  return true;
}

void CoTaskMemFree(Pidl item) { Shell().items.erase(item); }

std::intptr_t ShellExecuteA(Hwnd owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int showCommand) {
  auto text = [](const char* s) { return s ? std::optional<std::string>(s) : std::nullopt; };
  Shell().executed.push_back({owner, text(verb), text(file), text(parameters), text(directory), showCommand});
  return IsAddress(file) || GetFileAttributesA(file) != InvalidFileAttributes ? 42 : 2;  // SE_ERR_FNF
}

std::int64_t CalendarTimeSeconds() {
  if (Shell().calendar) return *Shell().calendar;
  return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace platform
