#include "Commands.h"

#include <shellapi.h>

namespace e2e {

int TrayDeleteCommand(const Args& args) {
  // The icon taken out of the notification area behind its program's back,
  // as a shell that restarts loses every icon: the program is not told.
  NOTIFYICONDATAA record{};
  record.cbSize = sizeof record;
  record.hWnd = ParseWindow(args[0]);
  record.uID = ParseNumber(args[1]);
  if (!Shell_NotifyIconA(NIM_DELETE, &record)) throw CheckFailed("the notification area holds no such icon");
  return 0;
}

}  // namespace e2e
