#pragma once
// Makes the shell's controls known to window layouts ("TCSpinEdit").
namespace muralto {

void RegisterShellLayoutClasses();

}  // namespace muralto
