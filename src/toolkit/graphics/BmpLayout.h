#pragma once
// What a BMP file says before its pixel data: enough to write the picture
// back without holding its pixels.
#include <cstdint>

#include "toolkit/graphics/DibImage.h"

namespace toolkit {

class TStream;

struct TBmpLayout {
  // Size, depth, header form, masks and colour table; no pixels. Its
  // compression is the file's run-length one (BiRle4, BiRle8) or BiRgb.
  TDibImage picture;
  // Rows stored top row first: the file's last row is the picture's bottom one.
  bool topDown = false;
  // Bytes of pixel data that follow: the padded rows, or the run-length data.
  std::uint64_t dataSize = 0;
};

// Reads one BMP file's headers, masks and colour table from the stream's
// position, checks them and that the file holds all of its pixel data, and
// leaves the stream at the first byte of that data. A file that does not
// begin with "BM", whose header is not valid or whose picture is larger than
// this process could address: EInvalidGraphic "Bitmap image is not valid";
// a file that ends before its header, table or pixel data do: EReadError
// "Stream read error". Nothing is allocated beyond what the file can fill.
TBmpLayout ReadBmpLayout(TStream& stream);

}  // namespace toolkit
