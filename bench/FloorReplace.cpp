#include <cstdio>

#include "FloorReplace.h"

namespace conversion_floor {

bool Replace(const char* fresh, const char* target) { return std::rename(fresh, target) == 0; }

}  // namespace conversion_floor
