#include "toolkit/controls/WindowExceptions.h"

namespace toolkit {

namespace {
// Set by the application object while one lives.
TWindowExceptionHandler handler = nullptr;
}  // namespace

void SetWindowExceptionHandler(TWindowExceptionHandler h) { handler = h; }

void HandleWindowException() {
  try {
    if (handler) handler();
  } catch (...) {
    // The handler itself failed: nothing may leave a window procedure.
  }
}

}  // namespace toolkit
