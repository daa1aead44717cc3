#pragma once
// The entry routine: the running-copy check, the main window and the
// message loop.
#include <string>

namespace muralto {

inline constexpr const char* ApplicationTitle = "Muralto 1.2";

// Takes the process command line; returns 0 in every case.
int MuraltoMain(const std::string& commandLine);

}  // namespace muralto
