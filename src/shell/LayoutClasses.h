#pragma once
// Makes the shell's components known to window layouts ("TCSpinEdit",
// "TStDropFiles", "TStTrayIcon", "TWinXP").
namespace muralto {

void RegisterShellLayoutClasses();

}  // namespace muralto
