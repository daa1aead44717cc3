#include <windows.h>

#include "WindowEnv.h"

namespace windowenv {
void Fresh() {}
void LetTimePassBusy(unsigned ms) { ::Sleep(ms); }
std::string DialogItemText(platform::Hwnd dialog, int id) {
  char text[256] = {};
  ::GetDlgItemTextA(reinterpret_cast<HWND>(dialog), id, text, sizeof text);
  return text;
}
}  // namespace windowenv
