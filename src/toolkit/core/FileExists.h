#pragma once
#include <cstdint>
#include <string>

namespace toolkit {

// True when an entry of that name exists and is not a folder. Wildcards
// never name a file, so a name holding "*" or "?" does not exist.
bool FileExists(const std::string& fileName);
// The size in bytes of the file of that name; 0 when there is none (or it is
// a folder).
std::uint64_t FileSizeOf(const std::string& fileName);

}  // namespace toolkit
