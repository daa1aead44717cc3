#pragma once
// The simulated shell's folder browser, opened files and calendar clock,
// seen from a test.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sim {

// After Reset: no browser or execute calls, no answer (every browse is
// cancelled) and the host's clock.

struct BrowseCall {
  platform::Hwnd owner;
  std::uintptr_t root;
  std::string title;
  std::uint32_t flags;
};
// Every SHBrowseForFolderA call, in order.
std::vector<BrowseCall>& BrowseCalls();
// The browser is a modal box ("#32770", its owner disabled) whose loop
// dispatches the thread's messages. What the user picks in it while it is
// open: nullopt cancels; a
// path is an item with that file-system path; BrowseVirtualItem is an item
// without one (a virtual folder). The handler may dispatch messages, as the
// browser's own loop does. Without a handler the box's loop runs until a
// button ends it, and the user cancels once nothing is left to dispatch.
inline const std::string BrowseVirtualItem = std::string("\x01virtual", 8);
void SetBrowseHandler(std::function<std::optional<std::string>(const BrowseCall&)> handler);
// Item-ID lists handed out and not yet freed.
int LiveItemIdLists();

// Every ShellExecuteA call, in order; a null text shows as nullopt. The
// simulated shell opens nothing; it answers success (42) for an address or
// a file that is there, and SE_ERR_FNF (2) for a file that is not.
struct ExecuteCall {
  platform::Hwnd owner;
  std::optional<std::string> verb;
  std::optional<std::string> file;
  std::optional<std::string> parameters;
  std::optional<std::string> directory;
  int showCommand;
};
std::vector<ExecuteCall>& ExecuteCalls();

// Fixes the calendar clock at seconds since 1970 (nullopt: the host's clock).
void SetCalendarTime(std::optional<std::int64_t> seconds);

}  // namespace sim
