#pragma once
// The runtime's text-to-integer rules: leading blanks, then either "0x"/"0X"
// and hexadecimal digits, or one optional sign and decimal digits ("$" before
// the digits makes them hexadecimal), within 32 bits.
#include <optional>
#include <string>

namespace toolkit {

// The value, or nothing when the text is no integer within 32 bits.
std::optional<int> TryStrToInt(const std::string& text);
// Throws EConvertError "'%s' is not a valid integer value".
int StrToInt(const std::string& text);
int StrToIntDef(const std::string& text, int defaultValue);

}  // namespace toolkit
