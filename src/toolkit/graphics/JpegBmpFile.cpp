#include "toolkit/graphics/JpegBmpFile.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/graphics/JpegDecoder.h"
#include "toolkit/io/FileStream.h"

namespace toolkit {

void WriteJpegAsBmpFile(const TJpegSource& source, const std::string& path, std::size_t stripBytes) {
  const std::uint8_t* data = source.data ? source.data->data() : nullptr;
  const std::size_t size = source.data ? source.data->size() : 0;
  const std::uint64_t maxBytes = TJPEGImage::MaxDecodedBytes();
  std::optional<TFileStream> file;
  try {
    file.emplace(path, TFileMode::fmCreate);
  } catch (const EFCreateError&) {
    DecodeJpegInStrips(data, size, source.quantize, maxBytes, stripBytes, nullptr,
                       [](int, int, const std::uint8_t*) {});
    throw;
  }

  // The file stores the bottom row first and the decoder delivers the top
  // row first: each strip goes to its own place, from the file's end back.
  // After a failed write the decode still runs to its end, so that a broken
  // picture is reported as such.
  bool failed = false;
  std::uint64_t offBits = 0;
  std::uint64_t rowSize = 0;
  std::uint64_t height = 0;
  const auto put = [&](std::uint64_t offset, const std::uint8_t* bytes, std::uint64_t count) {
    if (failed) return;
    try {
      file->WriteBufferAt(static_cast<std::int64_t>(offset), bytes, static_cast<std::int64_t>(count));
    } catch (const EWriteError&) {
      failed = true;
    }
  };
  DecodeJpegInStrips(
      data, size, source.quantize, maxBytes, stripBytes,
      [&](const TDibImage& picture) {
        const std::vector<std::uint8_t> head = BmpFileHead(picture, picture.ImageSize());
        offBits = head.size();
        rowSize = picture.RowSize();
        height = static_cast<std::uint64_t>(picture.height);
        put(0, head.data(), head.size());
      },
      [&](int top, int rows, const std::uint8_t* stored) {
        const std::uint64_t below = height - static_cast<std::uint64_t>(top) - static_cast<std::uint64_t>(rows);
        put(offBits + below * rowSize, stored, static_cast<std::uint64_t>(rows) * rowSize);
      });
  if (failed) throw EWriteError(msg::WriteError);
}

}  // namespace toolkit
