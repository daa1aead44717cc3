#include <windows.h>

#include "WindowEnv.h"

namespace windowenv {
void Fresh() {}
void LetTimePassBusy(unsigned ms) { ::Sleep(ms); }
}  // namespace windowenv
