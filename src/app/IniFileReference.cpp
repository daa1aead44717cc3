#include "app/IniFileReference.h"

namespace muralto {

vcl::TIniFile* iniFile = nullptr;

}  // namespace muralto
