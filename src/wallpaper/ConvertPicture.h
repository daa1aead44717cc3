#pragma once
// One pick's conversion: the chosen picture, JPEG or bitmap, into the
// wallpaper file of the data folder.
#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/JPEGImage.h"

namespace muralto {

// Reads currentPicture and dataDir; writes currentExtension, jpegImage,
// workBitmap, wallpaperPath (dataDir + wallpaperFileName) and the wallpaper
// file. The work bitmap keeps the picture's size, format and origin, never
// its pixels. Failures are exceptions: "Cannot open file %s", "JPEG error #%d",
// "Bitmap image is not valid", "Stream read error", "Cannot create file %s".
// When the picture cannot be loaded, workBitmap and the wallpaper file keep
// what they had; when the file cannot be written whole (a full disk, a locked
// file, a missing folder), it keeps its old content and the failure is
// "Cannot create file %s" with the wallpaper file's path.
void ConvertPicture(const std::string& currentPicture, const std::string& dataDir, const std::string& wallpaperFileName,
                    std::string& currentExtension, std::string& wallpaperPath, toolkit::TJPEGImage& jpegImage,
                    toolkit::TBitmap& workBitmap);

}  // namespace muralto
