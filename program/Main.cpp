// Muralto.exe's entry point. The runtime calls main in a windowed program
// too; the entry routine takes the process's own command line, quoted as the
// system keeps it, not the runtime's split of it.
#include "app/MuraltoMain.h"
#include "platform/files.h"

int main() { return muralto::MuraltoMain(platform::GetCommandLineA()); }
