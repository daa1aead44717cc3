#include "app/SettingsWholeFile.h"

#include "platform/files.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/io/FileStream.h"
#include "toolkit/io/ReplacementFile.h"

namespace muralto {

namespace {

// Larger files hold more than the entries: they go the long way at once.
constexpr std::int64_t MaxWholeFileSize = 4096;

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

// Whether text is the layout of the same keys with values of its own.
bool SameLayout(const std::string& text, const std::vector<SettingsEntry>& entries) {
  std::vector<SettingsEntry> stored;
  std::size_t at = 0;
  std::string section;
  for (const SettingsEntry& entry : entries) {
    if (entry.section != section) {
      section = entry.section;
      const std::string header = "[" + section + "]\r\n";
      if (text.compare(at, header.size(), header) != 0) return false;
      at += header.size();
    }
    const std::string key = std::string(entry.key) + "=";
    if (text.compare(at, key.size(), key) != 0) return false;
    const std::size_t end = text.find("\r\n", at + key.size());
    if (end == std::string::npos) return false;
    stored.push_back({entry.section, entry.key, text.substr(at + key.size(), end - at - key.size())});
    at = end + 2;
  }
  return at == text.size() && Layout(stored) == text;
}

// The file's bytes; false when it cannot be read whole or is too large to be
// only the entries.
bool ReadSmallFile(const std::string& path, std::string& text) {
  try {
    vcl::TFileStream stream(path, vcl::TFileMode::fmOpenReadDenyWrite);
    if (stream.Size() > MaxWholeFileSize) return false;
    text.resize(static_cast<std::size_t>(stream.Size()));
    return stream.Read(text.data(), stream.Size()) == stream.Size();
  } catch (const vcl::EStreamError&) {
    return false;
  }
}

}  // namespace

// The profile functions read and rewrite the whole file for every entry,
// which under Wine makes a save of eight entries many times slower than
// writing the same bytes once; a save comes at every start.
bool WriteSettingsFileWhole(const std::string& path, const std::vector<SettingsEntry>& entries) {
  const std::string text = Layout(entries);
  if (text.empty()) return false;
  if (platform::GetFileAttributesA(path.c_str()) != platform::InvalidFileAttributes) {
    std::string stored;
    if (!ReadSmallFile(path, stored) || !SameLayout(stored, entries)) return false;
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
