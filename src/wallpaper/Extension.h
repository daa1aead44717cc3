#pragma once
// The picture test shared by the folder scan and the conversion.
#include <string>

namespace muralto {

// The text from the last "." that follows the last "\" or ":", dot included,
// lower-cased by the ANSI code page; empty when the name has no dot.
std::string LowerExtension(const std::string& path);

// ".bmp", ".jpg" or ".jpeg" (already lower-cased).
bool IsPictureExtension(const std::string& lowerExtension);
bool IsJpegExtension(const std::string& lowerExtension);

}  // namespace muralto
