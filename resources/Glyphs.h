#pragma once
// The spin edit's built-in arrow glyphs.

#include <cstdint>
#include <span>
#include <string_view>

namespace muralto {

// The complete BMP file (file header first) of "SpinUp" or "SpinDown":
// 9 x 6 pixels, 16 colours, a black triangle on olive. Empty for any other
// name, as a missing bitmap resource would be.
std::span<const std::uint8_t> GlyphBitmap(std::string_view name);

}  // namespace muralto
