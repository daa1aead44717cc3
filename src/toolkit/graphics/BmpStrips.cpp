#include "toolkit/graphics/BmpStrips.h"

#include <algorithm>
#include <vector>

#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/io/FileStream.h"

namespace toolkit {

void CopyBmpData(TStream& in, const TBmpLayout& layout, std::size_t stripBytes, const TBmpFileSink& sink) {
  const std::vector<std::uint8_t> head = BmpFileHead(layout.picture, layout.dataSize);
  sink(0, head.data(), head.size());
  if (layout.dataSize == 0) return;
  // Run-length data go over as they are, in strips of any length; rows in
  // whole rows, so that a strip can be turned over.
  const bool rows = layout.picture.compression == BiRgb;
  const std::uint64_t unit = rows ? layout.picture.RowSize() : 1;
  const std::uint64_t perStrip = std::max<std::uint64_t>(1, stripBytes / unit);
  std::vector<std::uint8_t> strip(static_cast<std::size_t>(std::min(perStrip * unit, layout.dataSize)));
  for (std::uint64_t done = 0; done < layout.dataSize;) {
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(strip.size(), layout.dataSize - done));
    in.ReadBuffer(strip.data(), static_cast<std::int64_t>(count));
    std::uint64_t at = head.size() + done;
    if (rows && layout.topDown) {
      // The file's first rows are the picture's top ones, which a bottom-up
      // file keeps at its end.
      const std::size_t rowSize = static_cast<std::size_t>(unit);
      for (std::size_t a = 0, b = count - rowSize; a < b; a += rowSize, b -= rowSize) {
        std::swap_ranges(strip.begin() + static_cast<std::ptrdiff_t>(a),
                         strip.begin() + static_cast<std::ptrdiff_t>(a + rowSize),
                         strip.begin() + static_cast<std::ptrdiff_t>(b));
      }
      at = head.size() + layout.dataSize - done - count;
    }
    sink(at, strip.data(), count);
    done += count;
  }
}

void WriteBmpFile(TStream& in, const TBmpLayout& layout, const std::string& path, std::size_t stripBytes) {
  TFileStream file(path, TFileMode::fmCreate);
  CopyBmpData(in, layout, stripBytes, [&](std::uint64_t offset, const std::uint8_t* bytes, std::size_t count) {
    file.WriteBufferAt(static_cast<std::int64_t>(offset), bytes, static_cast<std::int64_t>(count));
  });
}

}  // namespace toolkit
