#include "ToolPaths.h"

std::string ToProgramPath(const std::string& commandLinePath) { return commandLinePath; }
