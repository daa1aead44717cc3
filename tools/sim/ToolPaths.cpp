#include <filesystem>

#include "ToolPaths.h"
#include "platform/sim/world.h"

// The simulated Windows sees the host through Z:, as Wine does.
std::string ToProgramPath(const std::string& commandLinePath) {
  const std::string absolute = std::filesystem::absolute(commandLinePath).lexically_normal().string();
  return sim::WindowsPath(absolute);
}
