#pragma once
// A settings file written in one piece when it does not exist yet.
#include <string>
#include <vector>

namespace muralto {

struct SettingsEntry {
  const char* section;
  const char* key;
  std::string value;
};

// When no file lies at path, writes the entries (their sections contiguous)
// in one piece, as the profile functions write them one by one into a new
// file, and returns true. Returns false, having written nothing, when the
// file exists or a value is one the profile functions might write otherwise
// than as given. Fails with "Unable to write to %s" when the file cannot be
// written.
bool WriteNewSettingsFile(const std::string& path, const std::vector<SettingsEntry>& entries);

}  // namespace muralto
