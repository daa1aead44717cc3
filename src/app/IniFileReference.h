#pragma once
// The program-wide INI object reference: it holds the object of the settings
// or language operation under way, and nothing in between.
#include <string>

#include "toolkit/io/IniFile.h"

namespace muralto {

extern toolkit::TIniFile* iniFile;

// Creates the INI object for one operation and releases it at its end.
class IniFileScope {
 public:
  explicit IniFileScope(const std::string& fileName) : object_(fileName) { iniFile = &object_; }
  ~IniFileScope() { iniFile = nullptr; }
  IniFileScope(const IniFileScope&) = delete;
  IniFileScope& operator=(const IniFileScope&) = delete;

  toolkit::TIniFile& Ini() { return object_; }

 private:
  toolkit::TIniFile object_;
};

}  // namespace muralto
