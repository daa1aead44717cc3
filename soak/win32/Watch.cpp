// Watches a running Muralto.exe from outside for the length of a soak run:
// logs every failure message box it shows (and presses OK after a delay, so
// that the boxes do not pile up), and the process's memory and object counts
// at a fixed period, until the process ends.
//
//   soak-watch PID DISMISS_MS FIGURES_MS
//   soak-watch --self-check
//
// Every line starts with the time in milliseconds since 1970 (UTC), then a
// tab and the kind: "figures" (name=value pairs), "box" (title, text, how
// many boxes are open), "box-closed" (how long it was open), "end".
// --self-check makes GDI objects, windows and kernel handles in its own
// process and prints what each way of counting them sees, which shows which
// counters Wine really keeps.
#include "FailureBoxes.h"
#include "Handles.h"
#include "ProcessFigures.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr DWORD pollMs = 50;
constexpr unsigned long long redismissMs = 2000;

unsigned long long NowMs() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return ticks / 10000 - 11644473600000ULL;
}

void Emit(const std::string& line) {
  std::printf("%llu\t%s\n", NowMs(), line.c_str());
  std::fflush(stdout);
}

struct OpenBox {
  unsigned long long shownMs;
  unsigned long long dismissedMs;  // 0 until OK was pressed
};

int Watch(DWORD processId, unsigned long long dismissMs, unsigned long long figuresMs) {
  soak::UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) {
    std::fprintf(stderr, "soak-watch: cannot open process %lu (error %lu)\n", processId, GetLastError());
    return 1;
  }
  Emit("start\tpid=" + std::to_string(processId));
  std::map<HWND, OpenBox> open;
  unsigned long long nextFigures = NowMs();
  for (;;) {
    if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process.get(), &code);
      Emit("end\texit=" + std::to_string(code));
      return 0;
    }
    const unsigned long long now = NowMs();
    if (now >= nextFigures) {
      Emit(soak::ReadFigures(process.get(), processId));
      nextFigures += figuresMs;
    }
    const std::vector<soak::FailureBox> boxes = soak::OpenBoxes(processId);
    std::map<HWND, OpenBox> still;
    for (const soak::FailureBox& box : boxes) {
      auto known = open.find(box.window);
      OpenBox state = known != open.end() ? known->second : OpenBox{now, 0};
      if (known == open.end()) Emit("box\t" + box.title + "\t" + box.text + "\topen=" + std::to_string(boxes.size()));
      if (now - state.shownMs >= dismissMs && (state.dismissedMs == 0 || now - state.dismissedMs >= redismissMs)) {
        soak::Dismiss(box.window);
        state.dismissedMs = now;
      }
      still[box.window] = state;
    }
    for (const auto& [window, state] : open)
      if (!still.count(window)) Emit("box-closed\topen_ms=" + std::to_string(now - state.shownMs));
    open = std::move(still);
    Sleep(pollMs);
  }
}

LRESULT CALLBACK PlainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// Makes known numbers of objects in this process and reads every counter
// before and after: a counter that does not move is not kept by this system.
int SelfCheck() {
  const DWORD self = GetCurrentProcessId();
  Emit("self-check before\t" + soak::ReadFigures(GetCurrentProcess(), self));
  constexpr int made = 50;
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < made; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  WNDCLASSA kind{};
  kind.lpfnWndProc = PlainWindow;
  kind.hInstance = GetModuleHandleA(nullptr);
  kind.lpszClassName = "SoakSelfCheck";
  RegisterClassA(&kind);
  std::vector<HWND> windows;
  for (int i = 0; i < 5; ++i)
    windows.push_back(
        CreateWindowA("SoakSelfCheck", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, kind.hInstance, nullptr));
  std::vector<soak::UniqueHandle> events;
  for (int i = 0; i < 10; ++i) events.emplace_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  Emit("self-check after 50 brushes, 5 windows, 10 events\t" + soak::ReadFigures(GetCurrentProcess(), self));
  for (HWND window : windows) DestroyWindow(window);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--self-check") return SelfCheck();
  if (argc != 4) {
    std::fprintf(stderr, "usage: soak-watch PID DISMISS_MS FIGURES_MS | soak-watch --self-check\n");
    return 2;
  }
  return Watch(std::strtoul(argv[1], nullptr, 10), std::strtoull(argv[2], nullptr, 10),
               std::strtoull(argv[3], nullptr, 10));
}
