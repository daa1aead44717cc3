#pragma once
// Makes the shell's components known to window layouts ("TCSpinEdit",
// "TStDropFiles", "TStTrayIcon", "TWinXP"): every window whose layout names
// one calls it before loading the layout; the calls after the first do
// nothing.
namespace muralto {

void RegisterShellLayoutClasses();

}  // namespace muralto
