#pragma once
// Text helpers of the simulated Windows: the ANSI code page's lower case,
// used wherever Windows compares names without regard to case.
#include <string>
#include <string_view>

namespace sim::machine {

char LowerAnsi(char c);
std::string LowerAnsi(std::string_view text);
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace sim::machine
