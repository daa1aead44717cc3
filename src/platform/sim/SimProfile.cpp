// Profile files over real host files, read and rewritten whole at every
// call (no cache), by the rules Windows and Wine follow.
#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/profile.h"
#include "platform/sim/SimHostIo.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimPaths.h"
#include "platform/sim/SimProfileDocument.h"
#include "platform/types.h"

namespace platform {

namespace {

using sim::machine::ProfileDocument;

// A bare file name lies in the Windows folder.
std::optional<std::string> ProfileHostPath(const char* fileName) {
  std::string path = fileName;
  if (path.find_first_of("\\/:") == std::string::npos) {
    path = sim::machine::TheMachine().windowsDirectory + "\\" + path;
  }
  return sim::machine::ToHostPath(path);
}

std::uint32_t CopyOut(const std::string& text, char* buffer, std::uint32_t size) {
  const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), size - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return count;
}

// A value in one pair of quotes loses them: the opening one is skipped and the
// last character copied dropped, which is the closing quote unless the buffer
// cut it off, or the value's own last character when it fills the buffer
// exactly.
std::uint32_t CopyEntry(const std::string& value, char* buffer, std::uint32_t size) {
  if (value.size() < 2 || (value.front() != '"' && value.front() != '\'') || value.back() != value.front()) {
    return CopyOut(value, buffer, size);
  }
  std::uint32_t count = CopyOut(value.substr(1), buffer, size);
  if (value.size() - 1 <= size && count > 0) buffer[--count] = '\0';
  return count;
}

// Names one after the other, each with its NUL, the list ending in a
// second NUL; a list too long is cut and the result is size - 2.
std::uint32_t CopyList(const std::vector<std::string>& names, char* buffer, std::uint32_t size) {
  std::string list;
  for (const std::string& name : names) {
    list += name;
    list += '\0';
  }
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  if (list.size() + 1 <= size) {
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return static_cast<std::uint32_t>(list.size());
  }
  std::memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = '\0';
  buffer[size - 1] = '\0';
  return size - 2;
}

std::string TrimmedDefault(const char* defaultValue) {
  std::string text = defaultValue == nullptr ? "" : defaultValue;
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue, char* buffer,
                                       std::uint32_t size, const char* fileName) {
  if (buffer == nullptr || size == 0) return 0;
  const std::string fallback = TrimmedDefault(defaultValue);
  const auto host = fileName == nullptr ? std::nullopt : ProfileHostPath(fileName);
  if (!host) {
    sim::SetLastError(ErrorPathNotFound);
    return CopyOut(fallback, buffer, size);
  }
  std::string text;
  const long error = sim::machine::ReadWholeFile(*host, &text);
  if (error == ErrorPathNotFound) {
    sim::SetLastError(static_cast<std::uint32_t>(error));
    return CopyOut(fallback, buffer, size);
  }
  if (error != 0) sim::SetLastError(static_cast<std::uint32_t>(error));
  const ProfileDocument document = ProfileDocument::Parse(text);

  if (section == nullptr) {
    std::vector<std::string> names;
    for (const auto& found : document.Sections()) {
      if (!found.name.empty()) names.push_back(found.name);
    }
    return CopyList(names, buffer, size);
  }
  if (key == nullptr) {
    std::vector<std::string> names;
    if (const auto* found = document.FindSection(section)) {
      for (const auto& entry : found->entries) {
        if (!entry.key.empty()) names.push_back(entry.key);
      }
    }
    if (names.empty()) return CopyEntry(fallback, buffer, size);
    return CopyList(names, buffer, size);
  }
  const auto* entry = document.Find(section, key);
  return CopyEntry(entry != nullptr && entry->value ? *entry->value : fallback, buffer, size);
}

std::uint32_t GetPrivateProfileSectionA(const char* section, char* buffer, std::uint32_t size, const char* fileName) {
  if (buffer == nullptr || size == 0) return 0;
  const auto host = section == nullptr || fileName == nullptr ? std::nullopt : ProfileHostPath(fileName);
  std::string text;
  if (host) {
    if (const long error = sim::machine::ReadWholeFile(*host, &text))
      sim::SetLastError(static_cast<std::uint32_t>(error));
  }
  const ProfileDocument document = ProfileDocument::Parse(text);
  std::vector<std::string> lines;
  if (const auto* found = host ? document.FindSection(section) : nullptr) {
    for (const auto& entry : found->entries) {
      if (entry.IsBlankLine() || (!entry.key.empty() && entry.key.front() == ';')) continue;
      lines.push_back(entry.value ? entry.key + "=" + *entry.value : entry.key);
    }
  }
  return CopyList(lines, buffer, size);
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName) {
  if (section == nullptr || fileName == nullptr) {
    sim::SetLastError(ErrorInvalidParameter);
    return false;
  }
  const auto host = ProfileHostPath(fileName);
  if (!host) {
    sim::SetLastError(ErrorPathNotFound);
    return false;
  }
  if (sim::machine::WritesDenied(*host)) {
    sim::SetLastError(ErrorAccessDenied);
    return false;
  }
  std::string text;
  const long error = sim::machine::ReadWholeFile(*host, &text);
  if (error != 0 && error != ErrorFileNotFound) {
    sim::SetLastError(static_cast<std::uint32_t>(error));
    return false;
  }
  ProfileDocument document = ProfileDocument::Parse(text);
  bool changed = false;
  if (key == nullptr) {
    changed = document.DeleteSection(section);
  } else if (value == nullptr) {
    changed = document.DeleteKey(section, key);
  } else {
    changed = document.Set(section, key, value);
  }
  if (!changed) return true;
  if (const long failure = sim::machine::WriteWholeFile(*host, document.Serialize())) {
    sim::SetLastError(static_cast<std::uint32_t>(failure));
    return false;
  }
  return true;
}

}  // namespace platform
