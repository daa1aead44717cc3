#pragma once
#include <string>

namespace toolkit {

// True when an entry of that name exists and is not a folder. Wildcards
// never name a file, so a name holding "*" or "?" does not exist.
bool FileExists(const std::string& fileName);

}  // namespace toolkit
