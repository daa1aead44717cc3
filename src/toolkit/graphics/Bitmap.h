#pragma once
// TBitmap: a picture in memory with a size, a pixel format, a colour table and
// pixel rows, read from and written to Windows BMP files.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/core/NotifyEvent.h"
#include "toolkit/graphics/DibImage.h"
#include "toolkit/graphics/JPEGImage.h"
#include "toolkit/graphics/PixelFormat.h"

namespace toolkit {

class TStream;

class TBitmap : public TObject {
 public:
  TBitmap() = default;

  int Width() const { return image_.width; }
  int Height() const { return image_.height; }
  // Resizing keeps the pixels that stay inside; new pixels are black.
  void SetWidth(int width);
  void SetHeight(int height);
  void SetSize(int width, int height);
  bool Empty() const { return image_.Empty(); }

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // Changing the format converts the pixels already there. pfDevice keeps
  // pixels as 24-bit ones; pfCustom cannot be chosen and is ignored.
  void SetPixelFormat(TPixelFormat format);
  int BitsPerPixel() const { return image_.bitCount; }

  // Bytes of one stored row, padding included.
  std::size_t RowSize() const { return image_.RowSize(); }
  // Takes width x height pixels of 4 bytes each (blue, green, red, unused),
  // top row first, as a screen copy delivers them: the bitmap gets that size
  // and keeps its pixel format, the colours converted into it.
  void CopyFromBgra(const std::uint8_t* bgra, int width, int height);
  // The pixels as 4-byte blue, green, red, 0 values, top row first.
  std::vector<std::uint8_t> ToBgra() const;

  // "Bitmap image is not valid", "Stream read error". On failure the bitmap
  // keeps what it had.
  void LoadFromStream(TStream& stream);
  // "Cannot create file %s" (an empty bitmap is refused with
  // "Bitmap image is not valid" before the file is touched).
  void SaveToFile(const std::string& path) const;
  void SaveToStream(TStream& stream) const;

  // Takes the other bitmap's picture, sharing its pixels.
  void Assign(const TBitmap& source);
  // Takes the JPEG's picture without decoding it: its size and pixel format
  // at once, its pixels when something first needs them ("JPEG error #%d"
  // then when the data are broken). SaveToFile decodes such a picture
  // straight into the file and the bitmap stays without its pixels, so a
  // picture that is only written out is never held in memory. Resizing such
  // a picture or changing its format drops it: its pixels never were.
  void AssignUndecoded(const TJPEGImage& source);

  // Takes a picture's size, depth and colour table without its pixels, and
  // the file it was read from: what remains of a picture that went straight
  // from its file into another one. Such a bitmap cannot be written itself.
  void AssignDescription(TDibImage picture, std::string sourceFile);
  // The file of a picture taken by AssignDescription; empty otherwise.
  const std::string& SourceFile() const { return sourceFile_; }

  const TDibImage& Image() const {
    Realize();
    return image_;
  }
  void AdoptImage(TDibImage image);

 private:
  void Reshape(int width, int height);
  // Decodes a picture taken undecoded, once.
  void Realize() const;

  mutable TDibImage image_;
  // The JPEG a picture taken undecoded comes from, until it is decoded.
  mutable std::shared_ptr<const TJpegSource> undecoded_;
  TPixelFormat pixelFormat_ = pfDevice;
  std::string sourceFile_;
};

}  // namespace toolkit
