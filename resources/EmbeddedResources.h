#pragma once
// The generated resource files as bytes, identical in every build: the
// Windows executable carries the same files in its resource section.

#include <cstdint>
#include <span>
#include <string_view>

namespace muralto {

// "SpinUp" and "SpinDown" (BMP files), "MAINICON" (the .ico file) and
// "MANIFEST" (the application manifest), "OPTIONSICON" and "ABOUTICON"
// (the Options dialog's and the About box's .ico files); an empty span for
// any other name.
std::span<const std::uint8_t> EmbeddedResource(std::string_view name);

}  // namespace muralto
