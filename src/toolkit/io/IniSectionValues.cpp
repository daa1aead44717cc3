#include "toolkit/io/IniSectionValues.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/profile.h"
#include "toolkit/core/Conversions.h"
#include "toolkit/core/FileExists.h"

namespace toolkit {

namespace {

// What the reader copies into a 2048-byte buffer.
constexpr std::size_t MaxValueLength = 2047;
constexpr std::uint32_t FirstBufferSize = 64 * 1024;
// Far beyond any list of folders: a file larger than this is damaged, and
// what did not fit reads as missing.
constexpr std::uint32_t MaxBufferSize = 64u << 20;

bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// The reader's copy of a value: a quote at the start that the last character
// repeats is dropped with it, but only when the closing one fits into the
// buffer; cut off, the closing quote stays outside and the text keeps the
// opening one's absence. Tested against the reader itself.
std::string AsRead(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    const std::string_view rest = value.substr(1);
    std::string copy(rest.substr(0, MaxValueLength));
    if (rest.size() <= MaxValueLength + 1) copy.pop_back();
    return copy;
  }
  return std::string(value.substr(0, MaxValueLength));
}

// The list is never longer than the file (a line's CR LF becomes one NUL)
// plus the closing NULs, so a buffer sized by the file takes it in one call;
// each call copies the whole section again. Doubling remains for a file that
// changes meanwhile.
std::uint32_t BufferSizeFor(const std::string& fileName) {
  const std::uint64_t fileSize = FileSizeOf(fileName);
  return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(fileSize + 4, FirstBufferSize, MaxBufferSize));
}

std::vector<char> ReadSectionList(const std::string& fileName, const std::string& section, std::uint32_t* length) {
  // A list that did not fit comes back two short of the buffer's size.
  std::vector<char> buffer(BufferSizeFor(fileName));
  for (;;) {
    const auto size = static_cast<std::uint32_t>(buffer.size());
    *length = platform::GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, fileName.c_str());
    if (*length + 2 < size || size >= MaxBufferSize) return buffer;
    buffer.assign(std::min<std::size_t>(buffer.size() * 2, MaxBufferSize), '\0');
  }
}

}  // namespace

TIniSectionValues::TIniSectionValues(const std::string& fileName, const std::string& section) {
  std::uint32_t length = 0;
  const std::vector<char> list = ReadSectionList(fileName, section, &length);
  const std::string_view all(list.data(), std::min<std::size_t>(length, list.size()));
  for (std::size_t at = 0; at < all.size();) {
    std::size_t end = all.find('\0', at);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view line = all.substr(at, end - at);
    at = end + 1;
    if (line.empty()) break;
    if (line.front() == ';') continue;
    const std::size_t equals = line.find('=');
    const std::string_view key = Trimmed(line.substr(0, equals));
    if (key.empty()) continue;
    std::optional<std::string> value;
    if (equals != std::string_view::npos) value = std::string(Trimmed(line.substr(equals + 1)));
    values_.try_emplace(LowerAscii(key), std::move(value));
  }
}

bool TIniSectionValues::HasKey(const std::string& key) const { return values_.count(LowerAscii(Trimmed(key))) != 0; }

std::string TIniSectionValues::ReadString(const std::string& key, const std::string& defaultValue) const {
  const auto found = values_.find(LowerAscii(Trimmed(key)));
  if (found != values_.end() && found->second) return AsRead(*found->second);
  // The reader drops a default's trailing blanks (spaces only).
  std::string_view fallback = defaultValue;
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  return AsRead(fallback);
}

int TIniSectionValues::ReadInteger(const std::string& key, int defaultValue) const {
  return StrToIntDef(ReadString(key, ""), defaultValue);
}

bool TIniSectionValues::ReadBool(const std::string& key, bool defaultValue) const {
  return ReadInteger(key, defaultValue ? 1 : 0) != 0;
}

int TIniSectionValues::HighestNumberedKey(const std::string& prefix, int atMost) const {
  const std::string lower = LowerAscii(Trimmed(prefix));
  int highest = 0;
  for (const auto& entry : values_) {
    const std::string_view key = entry.first;
    if (key.size() <= lower.size() || key.compare(0, lower.size(), lower) != 0) continue;
    const std::string_view digits = key.substr(lower.size());
    if (digits.front() < '1' || digits.front() > '9') continue;
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error == std::errc() && end == digits.data() + digits.size() && n <= atMost) highest = std::max(highest, n);
  }
  return highest;
}

}  // namespace toolkit
