// The Windows entry point of Muralto.exe: the program's entry routine with
// the process command line.
#include <windows.h>

#include "app/MuraltoMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return muralto::MuraltoMain(::GetCommandLineA()); }
