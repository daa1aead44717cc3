#pragma once
// A profile (INI) file as the profile functions see it: sections of
// entries, parsed the way Windows parses them and written back whole, its
// blank lines kept where they were.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim::machine {

struct ProfileEntry {
  std::string key;
  std::optional<std::string> value;  // none for a line without "=" (a comment, say)
  bool IsBlankLine() const { return key.empty() && !value; }
};

struct ProfileSection {
  std::string name;  // "" for the lines before the first section header
  std::vector<ProfileEntry> entries;
};

class ProfileDocument {
 public:
  static ProfileDocument Parse(std::string_view text);
  // CR LF line ends, a header for every named section.
  std::string Serialize() const;

  // The first section of that name and the first key of that name in it,
  // both compared without regard to case.
  const ProfileEntry* Find(std::string_view section, std::string_view key) const;
  const ProfileSection* FindSection(std::string_view section) const;

  // Returns whether anything changed.
  bool Set(std::string_view section, std::string_view key, std::string_view value);
  bool DeleteKey(std::string_view section, std::string_view key);
  bool DeleteSection(std::string_view section);

  const std::vector<ProfileSection>& Sections() const { return sections_; }

 private:
  ProfileSection* MutableSection(std::string_view section);
  std::vector<ProfileSection> sections_;
};

// Blanks, tabs, ^Z (and line-end characters) cut from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace sim::machine
