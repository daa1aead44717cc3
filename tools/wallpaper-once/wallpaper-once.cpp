// wallpaper-once [PICTURE] [centered|tiled|stretched]
//
// One pick by hand: PICTURE (default: sample.jpg beside the executable) goes
// through the program's own conversion into data\wallpaper.bmp beside the
// executable, and the wallpaper changer makes that file the desktop wallpaper.
// Prints the registry's wallpaper afterwards; exits 1 with the failure's
// message when a step fails.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/files.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/JPEGImage.h"
#include "wallpaper/ConvertPicture.h"
#include "wallpaper/WPChanger.h"

namespace {

std::string ExecutableFolder() {
  std::string path(1024, '\0');
  const std::uint32_t length = platform::GetModuleFileNameA(path.data(), static_cast<std::uint32_t>(path.size()));
  if (length == 0 || length >= path.size()) throw std::runtime_error("cannot tell where the executable is");
  path.resize(length);
  return path.substr(0, path.find_last_of('\\') + 1);
}

bool ParsePosition(const std::string& text, muralto::TWallpaperPosition& position) {
  if (text == "centered")
    position = muralto::wpCentered;
  else if (text == "tiled")
    position = muralto::wpTiled;
  else if (text == "stretched")
    position = muralto::wpStretched;
  else
    return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  muralto::TWallpaperPosition position = muralto::wpCentered;
  if (argc > 3 || (argc == 3 && !ParsePosition(argv[2], position))) {
    std::fprintf(stderr, "usage: wallpaper-once [PICTURE] [centered|tiled|stretched]\n");
    return 2;
  }
  try {
    const std::string appDir = ExecutableFolder();
    const std::string picture = argc > 1 ? argv[1] : appDir + "sample.jpg";
    const std::string dataDir = appDir + "data\\";

    toolkit::TJPEGImage jpegImage;
    toolkit::TBitmap workBitmap;
    workBitmap.SetPixelFormat(toolkit::pf24bit);
    std::string currentExtension;
    std::string wallpaperPath;
    muralto::ConvertPicture(picture, dataDir, "wallpaper.bmp", currentExtension, wallpaperPath, jpegImage, workBitmap);

    muralto::TWPChanger changer(nullptr);
    changer.ChangeWallPaper(wallpaperPath, position);
    std::printf("%s -> %s\nWallpaper = %s\n", picture.c_str(), wallpaperPath.c_str(),
                changer.GetCurrentWallpaper().c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
