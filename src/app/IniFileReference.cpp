#include "app/IniFileReference.h"

namespace muralto {

toolkit::TIniFile* iniFile = nullptr;

}  // namespace muralto
