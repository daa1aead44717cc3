#pragma once
// The desktop icons live on the shell's top-level window titled "Program
// Manager": hiding that window leaves the wallpaper in view, whole.

namespace muralto {

// Looks the window up anew on every call (the shell may have been
// restarted since the last one); with no such window nothing happens.
void SetDesktopIconsVisible(bool visible);

}  // namespace muralto
