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

}  // namespace muralto
