#pragma once
// TIniFile: typed reads and writes of one profile file through the
// platform's profile-string functions. Reads never fail; a refused write
// throws EIniFileException naming the file.
#include <string>
#include <vector>

#include "toolkit/core/Object.h"

namespace toolkit {

class TIniFile : public TObject {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  // Cut at 2047 characters, as the profile reader's 2048-byte buffer allows.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // "0x"/"0X" before at least one more character means hexadecimal; anything
  // that is no 32-bit integer gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  // The names of the section's keys in the file's order; none when the file
  // or the section is missing.
  std::vector<std::string> ReadSection(const std::string& section) const;
  // Whether the section has the key, compared without regard to the case of
  // ASCII letters as the reader compares. Reading with a default cannot
  // tell: the reader drops the default's trailing blanks.
  bool ValueExists(const std::string& section, const std::string& key) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

 private:
  std::string fileName_;
};

}  // namespace toolkit
