// A program that Windows XP cannot load, for the import check to refuse: a
// Vista-only KERNEL32 function, a DLL without a name list, and (by its link
// flags in scripts/test-all) a Vista subsystem version.
#include <windows.h>

int main(void) {
  DWORD handle = 0;
  return (int)(GetTickCount64() & 1) + (int)GetFileVersionInfoSizeA("probe.exe", &handle);
}
