#pragma once
// The process command line as the entry routine received it; the set-up's
// last step looks at its first argument.
#include <string>

namespace muralto {

const std::string& ProcessCommandLine();
void SetProcessCommandLine(const std::string& commandLine);

}  // namespace muralto
