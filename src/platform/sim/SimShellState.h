#pragma once
// The shell's part of the simulated machine: the notification area, the
// folder browser and the files it was asked to open, and files dropped on
// windows.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/dragdrop.h"
#include "platform/shell.h"
#include "platform/sim/dragdrop_world.h"
#include "platform/sim/shell_world.h"
#include "platform/sim/tray_world.h"
#include "platform/tray.h"

namespace sim::machine {

struct TrayState {
  std::vector<NotifyCall> calls;
  std::map<std::pair<std::uint32_t, std::uint32_t>, platform::NotifyIconData> icons;  // by window and id
  std::set<std::uint32_t> refused;
  bool taskbarUp = true;
  platform::Point cursor;
  std::vector<platform::Hwnd> bringToTop;
};

struct ShellState {
  std::vector<BrowseCall> calls;
  std::function<std::optional<std::string>(const BrowseCall&)> handler;
  std::map<platform::Pidl, std::string> items;  // virtual items map to BrowseVirtualItem
  platform::Pidl nextItem = 0x5000;
  std::optional<std::int64_t> calendar;
  std::vector<ExecuteCall> executed;
};

struct Drop {
  std::vector<std::string> paths;
  platform::Point point;
  bool inClient = false;
};

struct DropState {
  std::map<platform::Hdrop, Drop> live;
  std::vector<platform::Hdrop> finished;
  platform::Hdrop next = 0x7000;
};

}  // namespace sim::machine
