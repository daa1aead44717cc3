#include "app/ProcessCommandLine.h"

namespace muralto {

namespace {
std::string& Stored() {
  static std::string commandLine;
  return commandLine;
}
}  // namespace

const std::string& ProcessCommandLine() { return Stored(); }
void SetProcessCommandLine(const std::string& commandLine) { Stored() = commandLine; }

}  // namespace muralto
