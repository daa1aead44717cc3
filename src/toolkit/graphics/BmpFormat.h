#pragma once
// Reading and writing Windows BMP files.
#include <cstdint>
#include <vector>

#include "toolkit/graphics/DibImage.h"

namespace toolkit {

class TStream;

// Reads one BMP file from the stream's position. A file that does not begin
// with "BM" or whose header is not valid: EInvalidGraphic "Bitmap image is not
// valid"; a file that ends before its header or pixel data: EReadError
// "Stream read error". Nothing is allocated beyond what the file can fill.
TDibImage ReadBmp(TStream& stream);

// The bytes of a BMP file before its pixel data, as WriteBmp writes them:
// file header, information header, masks and colour table, for dataSize
// bytes of pixel data (the rows, or the run-length data of a picture whose
// compression is BiRle4 or BiRle8). Needs the image's size and depth, not
// its pixels; EInvalidGraphic when the file would pass 4 GiB.
std::vector<std::uint8_t> BmpFileHead(const TDibImage& image, std::uint64_t dataSize);

// Writes the image with the 40-byte header (or the 12-byte one for a picture
// read in that form), its masks, its colour table (also the optional one of
// a picture of 16 bits or more) and rows. An empty image is
// refused with EInvalidGraphic before anything is written.
void WriteBmp(TStream& stream, const TDibImage& image);

// The largest decoded picture a run-length file may ask for, per byte of its
// run-length data: twice what runs of 255 pixels in two bytes give, so real
// pictures fit, while a forged header cannot make a small file allocate
// gigabytes.
inline constexpr std::size_t kRleMaxExpansion = 256;

}  // namespace toolkit
