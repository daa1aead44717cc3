#pragma once
// Where the parts of a one-image icon file (32 x 32, 256 colours) lie: the
// file header and one directory entry, the bitmap header, the palette, the
// colour bits and the transparency mask.

#include <cstddef>

namespace icon32 {

constexpr std::size_t imageOffset = 6 + 16;
constexpr std::size_t paletteOffset = imageOffset + 40;
constexpr std::size_t xorOffset = paletteOffset + 256 * 4;
constexpr std::size_t andOffset = xorOffset + 32 * 32;
constexpr std::size_t iconSize = andOffset + 32 * 4;

}  // namespace icon32
