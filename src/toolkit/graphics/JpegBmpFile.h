#pragma once
// A JPEG decoded straight into a BMP file, a strip of rows at a time, so that
// the whole picture is never held in memory and never copied.
#include <cstddef>
#include <string>

#include "toolkit/graphics/JPEGImage.h"

namespace toolkit {

// The strips the picture is decoded and written in: few writes per picture
// (each costs a system call, and more under Wine), and small enough to stay
// in the processor's cache between the decoder filling a strip and the
// system copying it into the file.
inline constexpr std::size_t kJpegStripBytes = std::size_t{1024} * 1024;

// Creates the file anew and writes the picture into it as WriteBmp would
// write the decoded bitmap, a strip of about stripBytes at a time (at least
// one row; tests set a small one to get many strips from a small picture).
// A broken picture fails with EJPEG "JPEG error #%d" also when the file
// cannot be created or written, as the decode comes first; otherwise
// EFCreateError "Cannot create file %s" or EWriteError "Stream write error".
// After a failure the file may hold part of the picture.
void WriteJpegAsBmpFile(const TJpegSource& source, const std::string& path, std::size_t stripBytes = kJpegStripBytes);

}  // namespace toolkit
