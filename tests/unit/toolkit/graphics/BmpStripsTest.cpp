// A BMP copied a strip at a time must give the file that reading it whole
// and writing it back gives, for every picture of the generated set and
// strips of one row, of a few and of the program's size; a broken one must
// fail as the whole read does.
#include "toolkit/graphics/BmpStrips.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/io/MemoryStream.h"
#include "unit/toolkit/PictureFiles.h"

namespace {

struct Outcome {
  std::string failure;  // empty: the bytes below
  std::vector<std::uint8_t> file;
};

Outcome Whole(const std::vector<std::uint8_t>& bytes) {
  try {
    toolkit::TMemoryStream in(bytes);
    toolkit::TBitmap bitmap;
    bitmap.LoadFromStream(in);
    toolkit::TMemoryStream out;
    bitmap.SaveToStream(out);
    return {"", out.Bytes()};
  } catch (const toolkit::Exception& e) {
    return {e.Message(), {}};
  }
}

// Strips of `rows` rows (0: the program's strip size); every strip must
// stay within its size and every byte of the file be written once.
Outcome InStrips(const std::vector<std::uint8_t>& bytes, std::size_t rows) {
  try {
    toolkit::TMemoryStream in(bytes);
    const toolkit::TBmpLayout layout = toolkit::ReadBmpLayout(in);
    const std::size_t rowSize = layout.picture.RowSize();
    const std::size_t stripBytes = rows == 0 ? toolkit::kBmpStripBytes : rows * rowSize;
    Outcome result;
    std::vector<int> writes;
    bool head = true;
    toolkit::CopyBmpData(in, layout, stripBytes, [&](std::uint64_t at, const std::uint8_t* data, std::size_t n) {
      EXPECT_TRUE(head || n <= std::max(stripBytes, rowSize)) << "a strip of " << n << " bytes";
      head = false;
      if (result.file.size() < at + n) result.file.resize(at + n), writes.resize(at + n);
      std::copy(data, data + n, result.file.begin() + static_cast<std::ptrdiff_t>(at));
      for (std::size_t i = at; i < at + n; ++i) ++writes[i];
    });
    EXPECT_TRUE(std::all_of(writes.begin(), writes.end(), [](int w) { return w == 1; })) << "each byte once";
    return result;
  } catch (const toolkit::Exception& e) {
    return {e.Message(), {}};
  }
}

TEST(BmpStrips, EveryPictureGivesTheFileOfItsWholeReadAndWrite) {
  const auto cases = pictures::Cases("bmp-cases.txt");
  ASSERT_GT(cases.size(), 40u);
  for (const auto& row : cases) {
    const auto bytes = pictures::Bytes(row[0]);
    const Outcome whole = Whole(bytes);
    EXPECT_EQ(whole.failure, row[1] == "ok" ? "" : row[1]) << row[0];
    for (const std::size_t rows : {1, 4, 0}) {
      const Outcome strips = InStrips(bytes, rows);
      EXPECT_EQ(strips.failure, whole.failure) << row[0] << " in strips of " << rows << " rows";
      EXPECT_TRUE(strips.file == whole.file) << row[0] << " in strips of " << rows << " rows";
    }
  }
}

// Data that end part-way through the copy (a file cut after it was checked)
// fail as a short read, whichever way its rows run.
TEST(BmpStrips, DataThatEndPartWayFailAsAShortRead) {
  for (const char* name : {"rgb24.bmp", "rgb24-topdown.bmp", "rle8.bmp", "large-topdown.bmp"}) {
    const auto bytes = pictures::Bytes(name);
    toolkit::TMemoryStream whole(bytes);
    const toolkit::TBmpLayout layout = toolkit::ReadBmpLayout(whole);
    toolkit::TMemoryStream cut(std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 10));
    cut.SetPosition(whole.Position());
    EXPECT_THROW(toolkit::CopyBmpData(cut, layout, 1, [](std::uint64_t, const std::uint8_t*, std::size_t) {}),
                 toolkit::EReadError)
        << name;
  }
}

}  // namespace
