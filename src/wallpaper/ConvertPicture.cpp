#include "wallpaper/ConvertPicture.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/BmpLayout.h"
#include "toolkit/graphics/BmpStrips.h"
#include "toolkit/io/FileStream.h"
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

// A bitmap picture goes from its file into the wallpaper file a strip at a
// time: the tray program runs for days, and a picture held from one pick to
// the next would keep tens of megabytes for the whole interval. Its header
// is checked, and the file found to hold all of its pixels, before anything
// is written; a read that still fails part-way is a failed load, which
// leaves the bitmap, the path and the wallpaper file as they were.
void ConvertBitmapFile(const std::string& picture, const std::string& path, std::string& wallpaperPath,
                       toolkit::TBitmap& workBitmap) {
  toolkit::TFileStream in(picture, toolkit::TFileMode::fmOpenReadDenyWrite);
  const toolkit::TBmpLayout layout = toolkit::ReadBmpLayout(in);
  const auto loaded = [&] {
    workBitmap.AssignDescription(layout.picture, picture);
    wallpaperPath = path;
  };
  toolkit::TReplacementFile replacement(path);
  try {
    toolkit::WriteBmpFile(in, layout, replacement.Path());
  } catch (const toolkit::EReadError&) {
    throw;
  } catch (const toolkit::EStreamError&) {
    loaded();
    throw toolkit::EFCreateError(toolkit::msg::FCreateError(path));
  }
  loaded();
  if (!replacement.Commit()) throw toolkit::EFCreateError(toolkit::msg::FCreateError(path));
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
  // Any other name writes the work bitmap's picture again: a bitmap picture
  // from its file, as the bitmap keeps no pixels of it.
  const std::string bitmapFile = currentExtension == ".bmp" ? currentPicture : workBitmap.SourceFile();
  if (!bitmapFile.empty()) {
    ConvertBitmapFile(bitmapFile, path, wallpaperPath, workBitmap);
    return;
  }
  wallpaperPath = path;
  SaveWallpaperFile(workBitmap, wallpaperPath);
}

}  // namespace muralto
