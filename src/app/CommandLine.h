#pragma once
// The process command line split the way the runtime splits it for the
// program's arguments.
#include <string>
#include <vector>

namespace muralto {

// Every item of the command line, the program's own path first. Characters
// 1 to 32 separate items; a double quote opens a stretch, closed by the next
// one, in which blanks belong to the item; the quotes themselves are dropped,
// so "" on its own is an empty item.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The first argument after the program's path, or "" when there is none.
std::string FirstArgument(const std::string& commandLine);

// Only a first argument of exactly "-a" starts hidden with the rotation running.
bool IsAutoStartCommandLine(const std::string& commandLine);

}  // namespace muralto
