// The notification-area icon's tip and whether it is shown.
#include "app/MainForm.h"
#include "shell/TrayIcon.h"

namespace muralto {

void TForm1::SetTrayHint(const std::string& hint) {
  if (TrayIcon) TrayIcon->SetHint(hint);
}

void TForm1::SetTrayActive(bool active) {
  if (TrayIcon) TrayIcon->SetActive(active);
}

// At start the taskbar may not be there yet (a start at logon): the icon
// then waits for it, and the program runs on, hidden and rotating with "-a".
void TForm1::SetTrayActiveAtStart(bool active) {
  if (TrayIcon) TrayIcon->SetActiveAtStart(active);
}

}  // namespace muralto
