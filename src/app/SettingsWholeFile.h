#pragma once
// A settings file written in one piece where that gives the very bytes the
// profile functions would leave after writing its entries one by one.
#include <string>
#include <vector>

namespace muralto {

struct SettingsEntry {
  const char* section;
  const char* key;
  std::string value;
};

// Writes the entries (their sections contiguous) in one piece and returns
// true when no file lies at path, or when the file holds these very keys in
// this very order and form and nothing else, each with a value the profile
// functions write as given: in both cases writing entry by entry would leave
// exactly that text. Returns false, having written nothing, otherwise.
// Fails with "Unable to write to %s" when the file cannot be written.
bool WriteSettingsFileWhole(const std::string& path, const std::vector<SettingsEntry>& entries);

}  // namespace muralto
