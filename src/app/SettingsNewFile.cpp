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

// The text the profile functions write for the entries into a new file, or
// "" when a value might come out otherwise.
std::string Layout(const std::vector<SettingsEntry>& entries) {
  std::string text;
  std::string section;
  for (const SettingsEntry& entry : entries) {
    if (!WrittenAsGiven(entry.value)) return "";
    if (entry.section != section) {
      section = entry.section;
      text += "[" + section + "]\r\n";
    }
    text += std::string(entry.key) + "=" + entry.value + "\r\n";
  }
  return text;
}

}  // namespace

// Under Wine the profile functions take some 25 ms for the eight entries of a
// new file, a good part of a first start, against under one millisecond for
// the same bytes written at once. Over an existing file they are quick, since
// they keep the file they have just read in memory: that case stays theirs.
bool WriteNewSettingsFile(const std::string& path, const std::vector<SettingsEntry>& entries) {
  if (platform::GetFileAttributesA(path.c_str()) != platform::InvalidFileAttributes) return false;
  const std::string text = Layout(entries);
  if (text.empty()) return false;
  toolkit::TReplacementFile file(path);
  try {
    toolkit::TFileStream stream(file.Path(), toolkit::TFileMode::fmCreate);
    stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
  } catch (const toolkit::EStreamError&) {
    throw toolkit::EIniFileException(toolkit::msg::IniFileWriteError(path));
  }
  if (!file.Commit()) throw toolkit::EIniFileException(toolkit::msg::IniFileWriteError(path));
  return true;
}

}  // namespace muralto
