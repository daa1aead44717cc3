#include "Commands.h"
#include "Handles.h"

#include <iostream>

namespace e2e {

namespace {

// Blanks inside an argument are kept by a pair of double quotes around it;
// the program's own splitter has no escape for a quote inside.
std::string Quote(const std::string& arg) {
  if (arg.find('"') != std::string::npos) throw UsageError("an argument cannot hold a double quote: " + arg);
  if (!arg.empty() && arg.find_first_of(" \t") == std::string::npos) return arg;
  std::string quoted(1, '"');
  quoted += arg;
  quoted += '"';
  return quoted;
}

int ReportEnd(HANDLE process, DWORD timeoutMs, const std::string& what) {
  if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) throw CheckFailed(what + " still running");
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  std::cout << "exit " << code << "\n";
  return 0;
}

}  // namespace

int RunCommand(const Args& args) {
  const DWORD timeout = ParseSeconds(args[0]);
  std::string commandLine;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += Quote(args[i]);
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    throw CheckFailed("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
  const UniqueHandle process = OwnHandle(info.hProcess);
  const UniqueHandle thread = OwnHandle(info.hThread);
  return ReportEnd(process.Get(), timeout, commandLine);
}

int WaitProcessCommand(const Args& args) {
  const DWORD pid = ParseNumber(args[0]);
  const UniqueHandle process = OwnHandle(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid));
  if (!process.Valid()) throw CheckFailed("no process " + args[0]);
  // From here on the exit code is kept for us, however soon the process ends.
  std::cerr << "waiting for process " << pid << std::endl;
  return ReportEnd(process.Get(), ParseSeconds(args[1]), "process " + args[0]);
}

}  // namespace e2e
