#include "wallpaper/ConvertPicture.h"

#include "wallpaper/Extension.h"

namespace muralto {

void ConvertPicture(const std::string& currentPicture, const std::string& dataDir,
                    const std::string& wallpaperFileName, std::string& currentExtension,
                    std::string& wallpaperPath, vcl::TJPEGImage& jpegImage, vcl::TBitmap& workBitmap) {
  currentExtension = LowerExtension(currentPicture);
  // Both loads leave their target untouched when they fail, so a broken
  // picture never reaches the bitmap or the file.
  if (IsJpegExtension(currentExtension)) {
    jpegImage.LoadFromFile(currentPicture);
    workBitmap.Assign(jpegImage);
  }
  if (currentExtension == ".bmp") workBitmap.LoadFromFile(currentPicture);
  wallpaperPath = dataDir + wallpaperFileName;
  workBitmap.SaveToFile(wallpaperPath);
}

}  // namespace muralto
