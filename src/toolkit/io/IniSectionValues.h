#pragma once
// One section of a profile file read in a single call, then looked up key by
// key with the rules the profile reader applies to one key at a time: keys
// compared without regard to case, the first of two equal keys, a line
// without "=" hiding later ones and reading as missing, one pair of
// surrounding quotes removed, the value cut as a 2048-byte buffer cuts it.
// A long section costs one read instead of a search of the file per key.
#include <optional>
#include <string>
#include <unordered_map>

#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

class TIniSectionValues : public TObject {
 public:
  // Never fails: a missing file or section leaves every key missing.
  TIniSectionValues(const std::string& fileName, const std::string& section);

  // Whether the section names the key, with or without a value: what the
  // reader's list of the section's key names holds.
  bool HasKey(const std::string& key) const;
  std::string ReadString(const std::string& key, const std::string& defaultValue) const;
  // The integer and flag rules of TIniFile.
  int ReadInteger(const std::string& key, int defaultValue) const;
  bool ReadBool(const std::string& key, bool defaultValue) const;
  // The highest n (1 to atMost) for which the section names the key prefix
  // followed by n in decimal without leading zeros, as HasKey names keys;
  // 0 when it names none. One pass over the keys already read.
  int HighestNumberedKey(const std::string& prefix, int atMost) const;
  // How many keys the section names.
  int KeyCount() const { return static_cast<int>(values_.size()); }

 private:
  // By lower-cased key: the value as the file holds it, none for a line
  // without "=".
  std::unordered_map<std::string, std::optional<std::string>> values_;
};

}  // namespace toolkit
