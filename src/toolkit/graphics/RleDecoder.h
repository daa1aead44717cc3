#pragma once
// Run-length (RLE4 / RLE8) pixel data into plain rows.
#include <cstddef>
#include <cstdint>

#include "toolkit/graphics/DibImage.h"

namespace toolkit {

// Fills image.pixels (already allocated, cleared to index 0) from the encoded
// data. Runs and deltas that leave the picture are clipped; data that end
// without an end-of-bitmap mark leave the rest at index 0.
void DecodeRle(const std::uint8_t* data, std::size_t size, TDibImage& image);

}  // namespace toolkit
