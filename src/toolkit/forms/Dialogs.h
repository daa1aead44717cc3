#pragma once
// Message boxes of the program, titled with the application title.
#include <cstdint>
#include <string>

namespace toolkit {

// A modal message box with the given buttons and icon (MB_ values), owned
// by the program's shown window (alone while none is); returns the button
// chosen.
int MessageBox(const std::string& text, std::uint32_t type);
// One OK button, no icon.
void ShowMessage(const std::string& text);

}  // namespace toolkit
