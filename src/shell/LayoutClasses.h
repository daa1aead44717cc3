#pragma once
// The shell's set of layout classes ("TCSpinEdit", "TStDropFiles",
// "TStTrayIcon", "TWinXP"): a window whose layout names one passes this set
// to toolkit::LoadLayout, which registers it once.
namespace muralto {

void RegisterShellLayoutClasses();

}  // namespace muralto
