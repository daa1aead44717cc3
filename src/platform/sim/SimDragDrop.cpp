// Files dropped from the simulated shell: the accepting window is found as
// the shell finds it, and each drop handle is recorded until DragFinish.
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/sim/SimMachine.h"

namespace {

sim::machine::DropState& Drops() { return sim::machine::TheMachine().drops; }

bool AcceptsFiles(platform::Hwnd window) {
  return (static_cast<std::uint32_t>(platform::GetWindowLongA(window, platform::GwlExStyle)) &
          platform::WsExAcceptFiles) != 0;
}

// Where a child's client area starts inside its window (its frame).
platform::Point ClientOrigin(const sim::WindowInfo& info) {
  platform::Rect outer{0, 0, 0, 0};
  platform::AdjustWindowRectEx(&outer, info.style, false, info.exStyle);
  return {-outer.left, -outer.top};
}

}  // namespace

namespace sim {

std::vector<platform::Hdrop>& FinishedDrops() { return Drops().finished; }
int LiveDrops() { return static_cast<int>(Drops().live.size()); }

platform::Hwnd DropFiles(platform::Hwnd window, const std::vector<std::string>& paths, platform::Point point) {
  WindowInfo info;
  while (GetWindowInfo(window, &info) && !AcceptsFiles(window)) {
    if (!(info.style & platform::WsChild) || !info.parent) return 0;
    platform::Point origin = ClientOrigin(info);
    point = {point.x + origin.x + info.rect.left, point.y + origin.y + info.rect.top};
    window = info.parent;
  }
  const detail::Window* target = detail::Find(window);
  if (!target) return 0;
  const platform::Rect client = detail::ClientRect(*target);
  machine::Drop drop{
      paths, point,
      point.x >= client.left && point.x < client.right && point.y >= client.top && point.y < client.bottom};
  platform::Hdrop handle = Drops().next++;
  Drops().live[handle] = drop;
  platform::PostMessageA(window, platform::WmDropFiles, handle, 0);
  return window;
}

}  // namespace sim

namespace platform {

void DragAcceptFiles(Hwnd window, bool accept) {
  if (!IsWindow(window)) return;
  auto ex = static_cast<std::uint32_t>(GetWindowLongA(window, GwlExStyle));
  ex = accept ? (ex | WsExAcceptFiles) : (ex & ~WsExAcceptFiles);
  SetWindowLongA(window, GwlExStyle, static_cast<std::intptr_t>(ex));
}

std::uint32_t DragQueryFileA(Hdrop drop, std::uint32_t index, char* buffer, std::uint32_t size) {
  auto found = Drops().live.find(drop);
  if (found == Drops().live.end()) return 0;
  const std::vector<std::string>& paths = found->second.paths;
  if (index == DragQueryCount) return static_cast<std::uint32_t>(paths.size());
  if (index >= paths.size()) return 0;
  const std::string& path = paths[index];
  if (!buffer) return static_cast<std::uint32_t>(path.size());
  if (size == 0) return 0;
  std::size_t n = std::min<std::size_t>(path.size(), size - 1);
  std::memcpy(buffer, path.data(), n);
  buffer[n] = '\0';
  return static_cast<std::uint32_t>(n);
}

bool DragQueryPoint(Hdrop drop, Point* point) {
  auto found = Drops().live.find(drop);
  if (found == Drops().live.end()) return false;
  if (point) *point = found->second.point;
  return found->second.inClient;
}

void DragFinish(Hdrop drop) {
  if (Drops().live.erase(drop)) Drops().finished.push_back(drop);
}

}  // namespace platform
