#pragma once
// A path from the command line as the program's file layer wants it.
#include <string>

std::string ToProgramPath(const std::string& commandLinePath);
