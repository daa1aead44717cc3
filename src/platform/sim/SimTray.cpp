// The notification area: icons keyed by window and id, with the rules Wine
// showed (a second add fails, a change or a second delete of an unknown icon
// fails), and a taskbar that can be missing, restarted or announced anew.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/sim/SimMachine.h"

namespace {

sim::machine::TrayState& T() { return sim::machine::TheMachine().tray; }

bool Apply(std::uint32_t message, const platform::NotifyIconData& record) {
  // Without a taskbar the shell has no window to hand the record to.
  if (!T().taskbarUp || T().refused.count(message)) return false;
  if (record.cbSize != sizeof(platform::NotifyIconData)) return false;
  auto key = std::make_pair(record.hWnd, record.uID);
  auto found = T().icons.find(key);
  switch (message) {
    case platform::NimAdd:
      // Only the pair of window and id counts: a window that is gone is not
      // looked at, as Wine's shell does not.
      if (found != T().icons.end()) return false;
      T().icons[key] = record;
      return true;
    case platform::NimModify:
      if (found == T().icons.end()) return false;
      found->second = record;
      return true;
    case platform::NimDelete:
      if (found == T().icons.end()) return false;
      T().icons.erase(found);
      return true;
    default: return false;
  }
}

}  // namespace

namespace sim {

std::vector<NotifyCall>& NotifyCalls() { return T().calls; }

std::vector<platform::NotifyIconData> TrayIcons() {
  std::vector<platform::NotifyIconData> icons;
  for (const auto& [key, record] : T().icons) icons.push_back(record);
  return icons;
}

void SetTrayRefuses(std::uint32_t message, bool refusing) {
  if (refusing) {
    T().refused.insert(message);
  } else {
    T().refused.erase(message);
  }
}

void StopTaskbar() {
  T().icons.clear();
  T().taskbarUp = false;
}

void RestartTaskbar() {
  T().icons.clear();
  T().taskbarUp = true;
  AnnounceTaskbar();
}

void AnnounceTaskbar() {
  std::uint32_t created = platform::RegisterWindowMessageA("TaskbarCreated");
  for (const WindowInfo& w : Windows()) {
    bool topLevel = !w.messageOnly && (w.parent == 0 || (w.style & platform::WsChild) == 0);
    if (topLevel && platform::IsWindow(w.handle)) platform::SendMessageA(w.handle, created, 0, 0);
  }
}

void SetCursorPos(int x, int y) { T().cursor = {x, y}; }
std::vector<platform::Hwnd>& BringToTopCalls() { return T().bringToTop; }

}  // namespace sim

namespace platform {

bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data) {
  if (!data) return false;
  bool ok = Apply(message, *data);
  T().calls.push_back({message, *data, ok});
  return ok;
}

Hicon LoadIconA(std::uintptr_t noModule, int resourceId) {
  if (noModule != 0 || resourceId <= 0) return 0;
  return sim::StockIconBase + static_cast<Hicon>(resourceId);
}

std::uint32_t RegisterWindowMessageA(const char* name) {
  if (!name || !*name) return 0;
  auto& messages = sim::machine::TheMachine().registeredMessages;
  auto [it, added] = messages.emplace(sim::machine::LowerAnsi(name), 0);
  if (added) it->second = 0xC000 + static_cast<std::uint32_t>(messages.size() - 1);
  return it->second;
}

bool GetCursorPos(Point* point) {
  if (!point) return false;
  *point = T().cursor;
  return true;
}

// A top-level window goes above the others and is activated, as
// SetWindowPos to the top without SWP_NOACTIVATE does.
bool BringWindowToTop(Hwnd window) {
  T().bringToTop.push_back(window);
  if (!IsWindow(window)) return false;
  if (!(static_cast<std::uint32_t>(GetWindowLongA(window, GwlStyle)) & WsChild))
    SetWindowPos(window, HwndTop, 0, 0, 0, 0, SwpNoMove | SwpNoSize);
  return true;
}

}  // namespace platform
