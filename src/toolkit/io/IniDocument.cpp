#include "toolkit/io/IniDocument.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>

#include "platform/profile.h"
#include "toolkit/core/Conversions.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/FileExists.h"
#include "toolkit/io/FileStream.h"
#include "toolkit/io/ReplacementFile.h"

namespace toolkit {

namespace {

// What the reader copies into a 2048-byte buffer.
constexpr std::size_t MaxValueLength = 2047;
constexpr std::uint32_t FirstBufferSize = 64 * 1024;
// Far beyond any list of folders: a file larger than this is damaged, and
// what did not fit reads as missing.
constexpr std::uint32_t MaxBufferSize = 64u << 20;

// What the reader trims around keys and values and the writer before a
// value: ^Z, the old end-of-file mark, counts too.
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

std::string_view TrimmedFront(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trimmed(std::string_view text) {
  text = TrimmedFront(text);
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

// The section's lines, each ending in a NUL.
std::string ReadSectionList(const std::string& fileName, const std::string& section) {
  // A list that did not fit comes back two short of the buffer's size.
  std::string buffer(BufferSizeFor(fileName), '\0');
  for (;;) {
    const auto size = static_cast<std::uint32_t>(buffer.size());
    const std::uint32_t length =
        platform::GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, fileName.c_str());
    if (length + 2 < size || size >= MaxBufferSize) {
      buffer.resize(std::min<std::size_t>(length, buffer.size()));
      return buffer;
    }
    buffer.assign(std::min<std::size_t>(buffer.size() * 2, MaxBufferSize), '\0');
  }
}

}  // namespace

TIniDocument::TIniDocument(const std::string& fileName, const std::vector<std::string>& sections) {
  for (const std::string& name : sections) {
    if (Find(name)) continue;
    const std::string list = ReadSectionList(fileName, name);
    // A section the file lacks stays out of the document's text.
    if (list.empty()) continue;
    Section& target = Add(name);
    const std::string_view all = list;
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
      Put(target, std::string(key), std::move(value));
    }
  }
}

const TIniDocument::Section* TIniDocument::Find(const std::string& section) const {
  const std::string lower = LowerAscii(Trimmed(section));
  for (const Section& candidate : sections_) {
    if (LowerAscii(candidate.name) == lower) return &candidate;
  }
  return nullptr;
}

TIniDocument::Section& TIniDocument::Add(const std::string& section) {
  sections_.push_back(Section{std::string(Trimmed(section)), {}, {}});
  return sections_.back();
}

void TIniDocument::Put(Section& target, std::string key, std::optional<std::string> value) {
  target.index.try_emplace(LowerAscii(key), target.entries.size());
  target.entries.push_back(Entry{std::move(key), std::move(value)});
}

const std::optional<std::string>* TIniDocument::Value(const std::string& section, const std::string& key) const {
  const Section* found = Find(section);
  if (!found) return nullptr;
  const auto entry = found->index.find(LowerAscii(Trimmed(key)));
  return entry == found->index.end() ? nullptr : &found->entries[entry->second].value;
}

bool TIniDocument::HasKey(const std::string& section, const std::string& key) const {
  return Value(section, key) != nullptr;
}

std::string TIniDocument::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
  const std::optional<std::string>* value = Value(section, key);
  if (value && *value) return AsRead(**value);
  // The reader drops a default's trailing blanks (spaces only).
  std::string_view fallback = defaultValue;
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  return AsRead(fallback);
}

int TIniDocument::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
  return StrToIntDef(ReadString(section, key, ""), defaultValue);
}

bool TIniDocument::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

int TIniDocument::HighestNumberedKey(const std::string& section, const std::string& prefix, int atMost) const {
  const Section* found = Find(section);
  if (!found) return 0;
  const std::string lower = LowerAscii(Trimmed(prefix));
  int highest = 0;
  for (const auto& entry : found->index) {
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

int TIniDocument::KeyCount(const std::string& section) const {
  const Section* found = Find(section);
  return found ? static_cast<int>(found->index.size()) : 0;
}

void TIniDocument::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  const std::string_view kept = TrimmedFront(value);
  const std::string_view name = Trimmed(key);
  const Section* found = Find(section);
  std::optional<std::size_t> existing;
  if (found) {
    if (const auto entry = found->index.find(LowerAscii(name)); entry != found->index.end()) existing = entry->second;
  }
  // The same value again leaves the file untouched: the writer compares with
  // the value as it reads it, trimmed.
  if (existing) {
    const std::optional<std::string>& stored = found->entries[*existing].value;
    if (stored && Trimmed(*stored) == kept) return;
  }
  // The writer reads the file again before each write, and that read trims
  // the value it wrote last.
  if (lastWritten_) {
    std::optional<std::string>& previous = sections_[lastWritten_->first].entries[lastWritten_->second].value;
    if (previous) previous = std::string(Trimmed(*previous));
  }
  if (!found) Add(section);
  const std::size_t at = found ? static_cast<std::size_t>(found - sections_.data()) : sections_.size() - 1;
  Section& target = sections_[at];
  if (existing) {
    target.entries[*existing].value = std::string(kept);
  } else {
    Put(target, std::string(name), std::string(kept));
  }
  lastWritten_.emplace(at, existing.value_or(target.entries.size() - 1));
}

void TIniDocument::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniDocument::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::string TIniDocument::Text() const {
  std::string text;
  for (const Section& section : sections_) {
    text.append(1, '[').append(section.name).append("]\r\n");
    for (const Entry& entry : section.entries) {
      text.append(entry.key);
      if (entry.value) text.append(1, '=').append(*entry.value);
      text.append("\r\n");
    }
  }
  return text;
}

void TIniDocument::SaveToFile(const std::string& fileName) const {
  const std::string text = Text();
  TReplacementFile replacement(fileName);
  try {
    TFileStream file(replacement.Path(), TFileMode::fmCreate);
    file.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
  } catch (const EStreamError&) {
    throw EIniFileException(msg::IniFileWriteError(fileName));
  }
  if (!replacement.Commit()) throw EIniFileException(msg::IniFileWriteError(fileName));
}

}  // namespace toolkit
