#include "platform/sim/SimProfileDocument.h"

#include <algorithm>
#include <iterator>

#include "platform/sim/SimText.h"

namespace sim::machine {

namespace {

// ^Z (the old end-of-file mark) counts as a blank too.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

ProfileDocument ProfileDocument::Parse(std::string_view text) {
  ProfileDocument document;
  document.sections_.push_back(ProfileSection{});
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = TrimBlanks(text.substr(start, end - start));
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    if (line.empty()) {
      document.sections_.back().entries.push_back(ProfileEntry{});
      continue;
    }
    if (line.front() == '[') {
      const auto close = line.find(']');
      if (close != std::string_view::npos) {
        ProfileSection section;
        section.name = std::string(TrimBlanks(line.substr(1, close - 1)));
        document.sections_.push_back(std::move(section));
        continue;
      }
    }
    ProfileEntry entry;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      entry.key = std::string(line);
    } else {
      entry.key = std::string(TrimBlanks(line.substr(0, equals)));
      entry.value = std::string(TrimBlanks(line.substr(equals + 1)));
    }
    document.sections_.back().entries.push_back(std::move(entry));
  }
  return document;
}

std::string ProfileDocument::Serialize() const {
  std::string text;
  for (const ProfileSection& section : sections_) {
    if (!section.name.empty()) text += "[" + section.name + "]\r\n";
    for (const ProfileEntry& entry : section.entries) {
      text += entry.key;
      if (entry.value) text += "=" + *entry.value;
      text += "\r\n";
    }
  }
  return text;
}

const ProfileSection* ProfileDocument::FindSection(std::string_view section) const {
  const std::string_view name = TrimBlanks(section);
  for (const ProfileSection& candidate : sections_) {
    if (EqualNoCase(candidate.name, name)) return &candidate;
  }
  return nullptr;
}

ProfileSection* ProfileDocument::MutableSection(std::string_view section) {
  return const_cast<ProfileSection*>(FindSection(section));
}

const ProfileEntry* ProfileDocument::Find(std::string_view section, std::string_view key) const {
  const ProfileSection* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const std::string_view name = TrimBlanks(key);
  for (const ProfileEntry& entry : found->entries) {
    if (EqualNoCase(entry.key, name)) return &entry;
  }
  return nullptr;
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  // Leading blanks of a written value are dropped; trailing ones would be
  // lost at the next read anyway.
  while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  ProfileSection* target = MutableSection(section);
  if (target == nullptr) {
    sections_.push_back(ProfileSection{std::string(TrimBlanks(section)), {}});
    target = &sections_.back();
  }
  const std::string_view name = TrimBlanks(key);
  for (ProfileEntry& entry : target->entries) {
    if (!EqualNoCase(entry.key, name)) continue;
    if (entry.value && *entry.value == value) return false;
    entry.value = std::string(value);
    return true;
  }
  // A new key follows the section's last line, above the blank lines that
  // part it from the next section.
  auto& entries = target->entries;
  auto at = entries.end();
  while (at != entries.begin() && std::prev(at)->IsBlankLine()) --at;
  entries.insert(at, ProfileEntry{std::string(name), std::string(value)});
  return true;
}

bool ProfileDocument::DeleteKey(std::string_view section, std::string_view key) {
  ProfileSection* target = MutableSection(section);
  if (target == nullptr) return false;
  const std::string_view name = TrimBlanks(key);
  auto& entries = target->entries;
  const auto found =
      std::find_if(entries.begin(), entries.end(), [&](const ProfileEntry& e) { return EqualNoCase(e.key, name); });
  if (found == entries.end()) return false;
  entries.erase(found);
  return true;
}

bool ProfileDocument::DeleteSection(std::string_view section) {
  const ProfileSection* target = FindSection(section);
  if (target == nullptr) return false;
  sections_.erase(sections_.begin() + (target - sections_.data()));
  return true;
}

}  // namespace sim::machine
