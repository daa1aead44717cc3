#pragma once
// The runtime's text-to-integer rules: leading blanks, one sign, decimal
// digits or "$"/"x"/"0x" hexadecimal, 32 bits.
#include <optional>
#include <string>

namespace vcl {

// The value, or nothing when the text is no integer within 32 bits.
std::optional<int> TryStrToInt(const std::string& text);
// Throws EConvertError "'%s' is not a valid integer value".
int StrToInt(const std::string& text);
int StrToIntDef(const std::string& text, int defaultValue);

}  // namespace vcl
