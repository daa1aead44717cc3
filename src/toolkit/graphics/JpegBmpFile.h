#pragma once
// A JPEG decoded straight into a BMP file, a strip of rows at a time, so that
// the whole picture is never held in memory and never copied.
#include <string>

#include "toolkit/graphics/JPEGImage.h"

namespace toolkit {

// Creates the file anew and writes the picture into it as WriteBmp would
// write the decoded bitmap. A broken picture fails with EJPEG "JPEG error #%d"
// also when the file cannot be created or written, as the decode comes
// first; otherwise EFCreateError "Cannot create file %s" or EWriteError
// "Stream write error". After a failure the file may hold part of the picture.
void WriteJpegAsBmpFile(const TJpegSource& source, const std::string& path);

}  // namespace toolkit
