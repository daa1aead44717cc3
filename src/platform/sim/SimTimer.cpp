// GUI timers on the virtual clock.
#include <algorithm>

#include "platform/sim/SimMachine.h"
#include "platform/timers.h"

namespace sim::detail {

bool QueueDueTimer() {
  auto& st = TheWindows();
  // The timer that came due first ticks first.
  auto best = st.timers.end();
  for (auto it = st.timers.begin(); it != st.timers.end(); ++it) {
    if (it->second.pending || st.clock < it->second.due) continue;
    if (best == st.timers.end() || it->second.due < best->second.due) best = it;
  }
  if (best == st.timers.end()) return false;
  best->second.pending = true;
  // Ticks that were missed are not made up: the next one is counted from now.
  best->second.due = st.clock + best->second.interval;
  st.queue.push_back({best->first.first, platform::WmTimer, best->first.second, 0, st.clock, {}});
  return true;
}

}  // namespace sim::detail

namespace platform {
using namespace sim::detail;

std::uintptr_t SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) {
  auto& st = TheWindows();
  if (!Find(window)) {
    sim::SetLastError(1400);
    return 0;
  }
  auto key = std::make_pair(window, id);
  auto existing = st.timers.find(key);
  if (existing == st.timers.end()) {
    if (st.timerLimit == 0) {
      sim::SetLastError(8);  // ERROR_NOT_ENOUGH_MEMORY, what a refused timer reports
      return 0;
    }
    if (st.timerLimit > 0) --st.timerLimit;
  }
  std::uint32_t interval = std::max<std::uint32_t>(elapseMs, 10);  // USER_TIMER_MINIMUM
  bool pending = existing != st.timers.end() && existing->second.pending;
  st.timers[key] = {interval, st.clock + interval, pending};
  return id == 0 ? 1 : id;
}

bool KillTimer(Hwnd window, std::uintptr_t id) {
  auto& st = TheWindows();
  auto it = st.timers.find({window, id});
  if (it == st.timers.end()) return false;
  st.timers.erase(it);
  // A tick already waiting in the queue goes too.
  st.queue.erase(
      std::remove_if(st.queue.begin(), st.queue.end(),
                     [&](const Msg& m) { return m.hwnd == window && m.message == WmTimer && m.wParam == id; }),
      st.queue.end());
  if (st.timerLimit >= 0) ++st.timerLimit;
  return true;
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

std::uint32_t Now() { return TheWindows().clock; }

void AdvanceClock(std::uint32_t ms) {
  auto& st = TheWindows();
  std::uint32_t end = st.clock + ms;
  DispatchPending();
  for (;;) {
    std::uint32_t next = end;
    for (const auto& [key, timer] : st.timers) {
      if (!timer.pending && timer.due > st.clock && timer.due < next) next = timer.due;
    }
    st.clock = next;
    DispatchPending();
    if (st.clock >= end) break;
  }
}

void AdvanceClockBusy(std::uint32_t ms) { TheWindows().clock += ms; }

void SetTimerLimit(int remaining) { TheWindows().timerLimit = remaining; }

std::vector<TimerInfo> Timers() {
  std::vector<TimerInfo> result;
  for (const auto& [key, timer] : TheWindows().timers)
    result.push_back({key.first, key.second, timer.interval, timer.due});
  return result;
}

}  // namespace sim
