#include <windows.h>

#include <stdexcept>
#include <string>

#include "system/ScratchArea.h"

namespace systemtest {

struct ScratchArea::Host {};

ScratchArea::ScratchArea() {
  char temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
  for (unsigned n = GetCurrentProcessId();; ++n) {
    const std::string candidate = std::string(temp) + "muralto-system-" + std::to_string(n);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      folder_ = candidate + "\\";
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make " + candidate);
  }
}

ScratchArea::~ScratchArea() {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA((folder_ + data.cFileName).c_str());
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder_.c_str());
}

}  // namespace systemtest
