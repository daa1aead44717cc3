#pragma once
// A profile file held in memory, for files read or written whole.
//
// Read: each section asked for is taken from the file in one call and then
// looked up key by key with the rules the profile reader applies to one key
// at a time: keys compared without regard to case, the first of two equal
// keys, a line without "=" hiding later ones and reading as missing, one
// pair of surrounding quotes removed, the value cut as a 2048-byte buffer
// cuts it. A long section costs one read instead of a search of the file
// per key.
//
// Written: entries go in with the rules of the profile writer, and the file
// is saved in one piece with the bytes the writer leaves when it writes the
// same entries one at a time, in the same order, into a file that does not
// exist yet, without rewriting the whole file at every entry. A value holds
// no line break: the file's lines end there.
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "toolkit/core/Object.h"

namespace toolkit {

class TIniDocument : public TObject {
 public:
  // Nothing yet, to be written.
  TIniDocument() = default;
  // The named sections of the file. Never fails: a missing file or section
  // leaves every key of it missing.
  TIniDocument(const std::string& fileName, const std::vector<std::string>& sections);

  // Whether the section names the key, with or without a value: what the
  // reader's list of the section's key names holds.
  bool HasKey(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // The integer and flag rules of TIniFile.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  // The highest n (1 to atMost) for which the section names the key prefix
  // followed by n in decimal without leading zeros, as HasKey names keys;
  // 0 when it names none. One pass over the keys already read.
  int HighestNumberedKey(const std::string& section, const std::string& prefix, int atMost) const;
  // How many keys the section names.
  int KeyCount(const std::string& section) const;

  // A key already there keeps its place and spelling; a new one goes to the
  // end of its section, a new section to the end of the file.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  // Every section, each entry as the file holds it, CR LF line ends.
  std::string Text() const;
  // Writes the file beside the old one and then puts it in the old one's
  // place, so that a failure leaves the old file as it was; EIniFileException
  // "Unable to write to %s" (the file's path) when the system refuses.
  void SaveToFile(const std::string& fileName) const;

 private:
  struct Entry {
    std::string key;
    std::optional<std::string> value;  // none for a line without "="
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    // By lower-cased key: the first entry of that key.
    std::unordered_map<std::string, std::size_t> index;
  };

  const Section* Find(const std::string& section) const;
  Section& Add(const std::string& section);
  const std::optional<std::string>* Value(const std::string& section, const std::string& key) const;
  void Put(Section& target, std::string key, std::optional<std::string> value);

  std::vector<Section> sections_;
  // The section and entry written last: the writer keeps the value's
  // trailing blanks until its next write reads the file again.
  std::optional<std::pair<std::size_t, std::size_t>> lastWritten_;
};

}  // namespace toolkit
