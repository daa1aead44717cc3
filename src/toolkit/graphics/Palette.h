#pragma once
// Colour tables for bitmaps that get an indexed pixel format without one.
#include <cstdint>
#include <vector>

#include "toolkit/graphics/DibImage.h"

namespace toolkit {

// 1 bit: black and white; 4 bits: the 16 standard colours; 8 bits: a
// 6 x 6 x 6 colour cube followed by 40 grays. Empty for deeper formats.
std::vector<TRGBQuad> DefaultPalette(int bitCount);

// n evenly spaced grays from black to white.
std::vector<TRGBQuad> GrayPalette(int n);

}  // namespace toolkit
