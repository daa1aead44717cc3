#pragma once
// A BMP file written anew from another one a strip at a time, so that the
// picture is never held in memory: only its header and colour table are.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/graphics/BmpLayout.h"

namespace toolkit {

class TStream;

// The strips the pixel data are copied in: as for a JPEG, few system calls
// per picture and a buffer that stays small.
inline constexpr std::size_t kBmpStripBytes = std::size_t{1024} * 1024;

// Takes count bytes of the new file at offset from its start.
using TBmpFileSink = std::function<void(std::uint64_t offset, const std::uint8_t* bytes, std::size_t count)>;

// Reads the pixel data that follow a layout read from the stream, in strips
// of about stripBytes (whole rows, at least one), and hands over the bytes
// WriteBmp writes for the picture read whole: first the head, then the
// strips; rows stored top row first are turned over, each strip put at its
// own place from the file's end back. EReadError "Stream read error" when
// the stream ends early.
void CopyBmpData(TStream& in, const TBmpLayout& layout, std::size_t stripBytes, const TBmpFileSink& sink);

// The same into a file created anew at path: EFCreateError "Cannot create
// file %s" or EWriteError "Stream write error" when it cannot be made, and
// then it may hold part of the picture.
void WriteBmpFile(TStream& in, const TBmpLayout& layout, const std::string& path,
                  std::size_t stripBytes = kBmpStripBytes);

}  // namespace toolkit
