// muralto-convert IN OUT [--screen-bits=N]
// Runs one picture through exactly the conversion of a pick and writes OUT as
// the wallpaper file. Exits 1 with the failure's message on stderr.
#include <cstdio>
#include <exception>
#include <string>

#include "ToolPaths.h"
#include "toolkit/ScreenDepth.h"
#include "wallpaper/ConvertPicture.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: muralto-convert IN OUT [--screen-bits=N]\n");
    return 2;
  }
  try {
    // The output must not depend on the machine that runs the tool: a
    // true-colour screen unless asked otherwise.
    int screenBits = 24;
    if (argc == 4) {
      const std::string option = argv[3];
      const std::string prefix = "--screen-bits=";
      if (option.rfind(prefix, 0) != 0) {
        std::fprintf(stderr, "usage: muralto-convert IN OUT [--screen-bits=N]\n");
        return 2;
      }
      screenBits = std::stoi(option.substr(prefix.size()));
    }
    vcl::SetScreenBitsPerPixel(screenBits);

    const std::string picture = ToProgramPath(argv[1]);
    const std::string output = ToProgramPath(argv[2]);
    const std::size_t slash = output.find_last_of("\\/");
    const std::string dataDir = slash == std::string::npos ? std::string() : output.substr(0, slash + 1);
    const std::string fileName = slash == std::string::npos ? output : output.substr(slash + 1);

    vcl::TJPEGImage jpegImage;
    vcl::TBitmap workBitmap;
    workBitmap.SetPixelFormat(vcl::pf24bit);
    std::string currentExtension;
    std::string wallpaperPath;
    muralto::ConvertPicture(picture, dataDir, fileName, currentExtension, wallpaperPath, jpegImage, workBitmap);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
