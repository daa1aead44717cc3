#include "wallpaper/Extension.h"

#include "platform/files.h"

namespace muralto {

std::string LowerExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of(".\\:");
  if (dot == std::string::npos || path[dot] != '.') return {};
  std::string ext = path.substr(dot);
  if (!ext.empty()) platform::CharLowerBuffA(ext.data(), static_cast<std::uint32_t>(ext.size()));
  return ext;
}

bool IsJpegExtension(const std::string& lowerExtension) {
  return lowerExtension == ".jpg" || lowerExtension == ".jpeg";
}

bool IsPictureExtension(const std::string& lowerExtension) {
  return lowerExtension == ".bmp" || IsJpegExtension(lowerExtension);
}

}  // namespace muralto
