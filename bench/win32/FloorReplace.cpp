#include <windows.h>

#include "../FloorReplace.h"

namespace conversion_floor {

// As the program replaces its wallpaper file.
bool Replace(const char* fresh, const char* target) {
  return MoveFileExA(fresh, target, MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace conversion_floor
