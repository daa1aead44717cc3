#pragma once
// A new profile file of one section, built in memory and written in one
// piece: byte for byte the file that the profile writer makes when the same
// entries are written one at a time, in the same order, into a file that does
// not exist yet, without rewriting the whole file at every entry.
#include <string>

#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

class TIniSectionText : public TObject {
 public:
  explicit TIniSectionText(const std::string& section);

  // Each key once, without blanks around it: a second write of a key would
  // replace the first in place. Blanks around the value are not kept.
  void WriteString(const std::string& key, const std::string& value);
  void WriteInteger(const std::string& key, int value);
  void WriteBool(const std::string& key, bool value);

  const std::string& Text() const { return text_; }
  // Creates the file, or replaces an older one; EIniFileException "Unable to
  // write to %s" when the system refuses.
  void SaveToFile(const std::string& fileName) const;

 private:
  std::string text_;
};

}  // namespace toolkit
