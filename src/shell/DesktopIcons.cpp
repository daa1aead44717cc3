#include "shell/DesktopIcons.h"

#include "platform/messages.h"
#include "platform/windowing.h"

namespace muralto {

void SetDesktopIconsVisible(bool visible) {
  // Any class: the title alone names the shell's desktop window.
  if (platform::Hwnd desktop = platform::FindWindowA(nullptr, "Program Manager")) {
    platform::ShowWindow(desktop, visible ? platform::SwShow : platform::SwHide);
  }
}

}  // namespace muralto
