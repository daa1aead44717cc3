#include "toolkit/io/IniFile.h"

#include <array>

#include "platform/profile.h"
#include "toolkit/core/Conversions.h"
#include "toolkit/core/Exceptions.h"

namespace vcl {

namespace {
constexpr std::uint32_t ReadBufferSize = 2048;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  std::array<char, ReadBufferSize> buffer{};
  std::uint32_t length = platform::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                            buffer.data(), ReadBufferSize, fileName_.c_str());
  if (length >= ReadBufferSize) length = ReadBufferSize - 1;
  return std::string(buffer.data(), length);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
  return StrToIntDef(ReadString(section, key, ""), defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  if (!platform::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str())) {
    throw EIniFileException(msg::IniFileWriteError(fileName_));
  }
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace vcl
