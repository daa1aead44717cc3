// The tray menu's desktop-icon switch. Whether the icons are hidden is the
// shell's state alone: nothing is saved, restored or undone at the end.
#include "app/MainForm.h"
#include "shell/DesktopIcons.h"

namespace muralto {

void TForm1::PMShowIconsClick(toolkit::TObject*) { SetDesktopIconsVisible(true); }

void TForm1::PMHideIconsClick(toolkit::TObject*) { SetDesktopIconsVisible(false); }

}  // namespace muralto
