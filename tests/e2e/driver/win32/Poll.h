#pragma once
// Waiting for a condition with a deadline, checking it every 50 ms.

#include <windows.h>

namespace e2e {

template <typename Condition>
bool PollUntil(DWORD timeoutMs, Condition condition) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs)  // unsigned: right across the wrap
      return false;
    Sleep(50);
  }
}

}  // namespace e2e
