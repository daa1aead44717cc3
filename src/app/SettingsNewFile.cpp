#include "app/SettingsNewFile.h"

#include "platform/files.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/io/FileStream.h"
#include "toolkit/io/ReplacementFile.h"

namespace muralto {

namespace {

// Blanks around a value, quotes that open it and control characters are
// where the profile functions may trim or refuse: such values go the long way.
bool WrittenAsGiven(const std::string& value) {
  if (value.empty()) return false;
  for (const unsigned char c : value) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  const char first = value.front();
  return first != ' ' && first != '"' && first != '\'' && value.back() != ' ';
}

}  // namespace

// The profile functions read and rewrite the whole file for every entry, which
// under Wine makes the first save of a start many times slower than writing
// the same bytes once.
bool WriteNewSettingsFile(const std::string& path, const std::vector<SettingsEntry>& entries) {
  if (platform::GetFileAttributesA(path.c_str()) != platform::InvalidFileAttributes) return false;
  std::string text;
  std::string section;
  for (const SettingsEntry& entry : entries) {
    if (!WrittenAsGiven(entry.value)) return false;
    if (entry.section != section) {
      section = entry.section;
      text += "[" + section + "]\r\n";
    }
    text += std::string(entry.key) + "=" + entry.value + "\r\n";
  }
  vcl::TReplacementFile file(path);
  try {
    vcl::TFileStream stream(file.Path(), vcl::TFileMode::fmCreate);
    stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
  } catch (const vcl::EStreamError&) {
    throw vcl::EIniFileException(vcl::msg::IniFileWriteError(path));
  }
  if (!file.Commit()) throw vcl::EIniFileException(vcl::msg::IniFileWriteError(path));
  return true;
}

}  // namespace muralto
