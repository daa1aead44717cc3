#include "wallpaper/ConvertPicture.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/io/ReplacementFile.h"
#include "wallpaper/Extension.h"

namespace muralto {

namespace {

// The desktop loads the wallpaper file again at its next start, so a write
// that breaks off must never leave a damaged one: the new file takes the old
// one's place only when it is complete. Whatever keeps it from being made,
// the message names the wallpaper file, never the passing name.
void SaveWallpaperFile(const toolkit::TBitmap& workBitmap, const std::string& wallpaperPath) {
  toolkit::TReplacementFile replacement(wallpaperPath);
  try {
    workBitmap.SaveToFile(replacement.Path());
  } catch (const toolkit::EStreamError&) {
    throw toolkit::EFCreateError(toolkit::msg::FCreateError(wallpaperPath));
  }
  if (!replacement.Commit()) throw toolkit::EFCreateError(toolkit::msg::FCreateError(wallpaperPath));
}

}  // namespace

void ConvertPicture(const std::string& currentPicture, const std::string& dataDir, const std::string& wallpaperFileName,
                    std::string& currentExtension, std::string& wallpaperPath, toolkit::TJPEGImage& jpegImage,
                    toolkit::TBitmap& workBitmap) {
  currentExtension = LowerExtension(currentPicture);
  const std::string path = dataDir + wallpaperFileName;
  // Both loads leave their target untouched when they fail, so a broken
  // picture never reaches the bitmap or the file.
  if (IsJpegExtension(currentExtension)) {
    jpegImage.LoadFromFile(currentPicture);
    // The picture is decoded straight into the file, so that a photograph of
    // tens of megabytes is neither held nor copied. A broken one fails before
    // the bitmap or the path change; once it has decoded, both take it, also
    // when the file cannot be written.
    toolkit::TBitmap picture;
    picture.AssignUndecoded(jpegImage);
    try {
      SaveWallpaperFile(picture, path);
    } catch (const toolkit::EFCreateError&) {
      workBitmap.Assign(picture);
      wallpaperPath = path;
      throw;
    }
    workBitmap.Assign(picture);
    wallpaperPath = path;
    return;
  }
  if (currentExtension == ".bmp") workBitmap.LoadFromFile(currentPicture);
  wallpaperPath = path;
  SaveWallpaperFile(workBitmap, wallpaperPath);
}

}  // namespace muralto
