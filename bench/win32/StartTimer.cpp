// Times programs from process start to their first visible top-level window,
// and reads their memory once they have settled, from outside: the programs
// run unchanged. Runs alternate between the programs so that a slow spell of
// the machine falls on all of them alike; one untimed run of each comes first
// so that the system's caches and its server are warm for every timed one.
//
//   start-timer RUNS SETTLE_MS LABEL PROGRAM RESET [LABEL PROGRAM RESET ...]
//
// RESET is a file deleted before every run of that program ("-" for none),
// which makes each run a first start. Prints one line per run and then, per
// program, "median LABEL shown_ms N working_set_kib N fastest_ms N": the
// medians of the time until the window showed and of the working set after
// SETTLE_MS, and the fastest start (the least disturbed by a busy machine).
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
  std::string label;
  std::string path;
  std::string reset;
  std::vector<double> shownMs;
  std::vector<double> workingSetKib;
};

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  RECT rect{};
  if (process == search->process && IsWindowVisible(window) && GetWindowRect(window, &rect) && rect.right > rect.left &&
      rect.bottom > rect.top) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// False when the program did not show a window within 30 seconds.
bool RunOnce(Program& program, DWORD settleMs, bool record) {
  if (program.reset != "-") DeleteFileA(program.reset.c_str());
  std::string folder = program.path.substr(0, program.path.find_last_of('\\') + 1);
  std::string commandLine = "\"" + program.path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    std::printf("%s: cannot start %s (error %lu)\n", program.label.c_str(), program.path.c_str(), GetLastError());
    return false;
  }
  Search search{process.dwProcessId, nullptr};
  for (;;) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    if (search.found || Seconds(start, now, frequency) > 30) break;
    Sleep(1);
  }
  const double shown = Seconds(start, now, frequency);
  bool ok = search.found != nullptr;
  if (ok) {
    Sleep(settleMs);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    char className[64] = "";
    GetClassNameA(search.found, className, sizeof className);
    std::printf("%s%s shown_ms %.1f working_set_kib %lu window %s\n", record ? "" : "warm-up ", program.label.c_str(),
                shown * 1000, static_cast<unsigned long>(memory.WorkingSetSize / 1024), className);
    if (record) {
      program.shownMs.push_back(shown * 1000);
      program.workingSetKib.push_back(static_cast<double>(memory.WorkingSetSize) / 1024);
    }
  } else {
    std::printf("%s: no window shown within 30 s\n", program.label.c_str());
  }
  std::fflush(stdout);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6 || (argc - 3) % 3 != 0) {
    std::fprintf(stderr, "usage: start-timer RUNS SETTLE_MS LABEL PROGRAM RESET [LABEL PROGRAM RESET ...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const DWORD settleMs = static_cast<DWORD>(std::atoi(argv[2]));
  std::vector<Program> programs;
  for (int i = 3; i + 2 < argc; i += 3) programs.push_back(Program{argv[i], argv[i + 1], argv[i + 2], {}, {}});
  for (Program& program : programs)
    if (!RunOnce(program, settleMs, false)) return 1;
  for (int run = 0; run < runs; ++run)
    for (Program& program : programs)
      if (!RunOnce(program, settleMs, true)) return 1;
  for (const Program& program : programs)
    std::printf("median %s shown_ms %.1f working_set_kib %.0f fastest_ms %.1f\n", program.label.c_str(),
                Median(program.shownMs), Median(program.workingSetKib),
                *std::min_element(program.shownMs.begin(), program.shownMs.end()));
  return 0;
}
