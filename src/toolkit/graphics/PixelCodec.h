#pragma once
// Pixels of any stored format to and from plain 4-byte colours.
#include <cstdint>
#include <vector>

#include "toolkit/graphics/DibImage.h"

namespace toolkit {

// Every pixel as blue, green, red, 0; top row first.
std::vector<std::uint8_t> DibToBgra(const TDibImage& image);

// Fills image.pixels (allocated for its size) from width x height 4-byte
// colours, top row first; indexed formats take the nearest table colour.
void BgraToDib(const std::uint8_t* bgra, TDibImage& image);

}  // namespace toolkit
