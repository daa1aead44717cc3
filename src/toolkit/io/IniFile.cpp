#include "toolkit/io/IniFile.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/profile.h"
#include "toolkit/core/Conversions.h"
#include "toolkit/core/Exceptions.h"

namespace toolkit {

namespace {
constexpr std::uint32_t ReadBufferSize = 2048;
constexpr std::uint32_t MaxListSize = 1u << 20;
}  // namespace

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

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  // The reader says a list did not fit by filling the buffer to two short
  // of its size.
  std::vector<char> buffer(ReadBufferSize);
  std::uint32_t length = 0;
  for (;;) {
    const auto size = static_cast<std::uint32_t>(buffer.size());
    length = platform::GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(), size, fileName_.c_str());
    if (length + 2 < size || size >= MaxListSize) break;
    buffer.resize(buffer.size() * 2);
  }
  std::vector<std::string> names;
  for (std::size_t at = 0; at < length;) {
    const std::string name(buffer.data() + at);
    if (name.empty()) break;
    at += name.size() + 1;
    names.push_back(name);
  }
  return names;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  const auto lower = [](std::string text) {
    for (char& c : text) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
  };
  const std::vector<std::string> names = ReadSection(section);
  return std::any_of(names.begin(), names.end(), [&](const std::string& name) { return lower(name) == lower(key); });
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

}  // namespace toolkit
