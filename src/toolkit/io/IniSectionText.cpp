#include "toolkit/io/IniSectionText.h"

#include <string_view>

#include "toolkit/core/Exceptions.h"
#include "toolkit/io/FileStream.h"

namespace toolkit {

namespace {

// The profile writer drops the blanks before a value, and those after it are
// gone once it has written the next entry.
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

}  // namespace

TIniSectionText::TIniSectionText(const std::string& section) : text_("[" + section + "]\r\n") {}

void TIniSectionText::WriteString(const std::string& key, const std::string& value) {
  std::string_view kept = value;
  while (!kept.empty() && IsBlank(kept.front())) kept.remove_prefix(1);
  while (!kept.empty() && IsBlank(kept.back())) kept.remove_suffix(1);
  text_.append(key).append(1, '=').append(kept).append("\r\n");
}

void TIniSectionText::WriteInteger(const std::string& key, int value) { WriteString(key, std::to_string(value)); }

void TIniSectionText::WriteBool(const std::string& key, bool value) { WriteString(key, value ? "1" : "0"); }

void TIniSectionText::SaveToFile(const std::string& fileName) const {
  try {
    TFileStream file(fileName, TFileMode::fmCreate);
    file.WriteBuffer(text_.data(), static_cast<std::int64_t>(text_.size()));
  } catch (const EStreamError&) {
    throw EIniFileException(msg::IniFileWriteError(fileName));
  }
}

}  // namespace toolkit
