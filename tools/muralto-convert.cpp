// muralto-convert IN OUT [--screen-bits=N]
//   Runs one picture through exactly the conversion of a pick and writes OUT
//   as the wallpaper file. Exits 1 with the failure's message on stderr.
// muralto-convert --batch LIST
//   The same for every line "IN<TAB>OUT<TAB>SCREEN-BITS" of LIST, printing
//   "ok" or the failure's message per line (one process for many pictures,
//   which matters under Wine).
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>

#include "ToolPaths.h"
#include "toolkit/graphics/ScreenDepth.h"
#include "wallpaper/ConvertPicture.h"

namespace {

void Convert(const std::string& in, const std::string& out, int screenBits) {
  // The output must not depend on the machine that runs the tool: the
  // screen depth is given, true colour unless asked otherwise.
  toolkit::SetScreenBitsPerPixel(screenBits);
  const std::string picture = ToProgramPath(in);
  const std::string output = ToProgramPath(out);
  const std::size_t slash = output.find_last_of("\\/");
  const std::string dataDir = slash == std::string::npos ? std::string() : output.substr(0, slash + 1);
  const std::string fileName = slash == std::string::npos ? output : output.substr(slash + 1);

  toolkit::TJPEGImage jpegImage;
  toolkit::TBitmap workBitmap;
  workBitmap.SetPixelFormat(toolkit::pf24bit);
  std::string currentExtension;
  std::string wallpaperPath;
  muralto::ConvertPicture(picture, dataDir, fileName, currentExtension, wallpaperPath, jpegImage, workBitmap);
}

int Usage() {
  std::fprintf(stderr, "usage: muralto-convert IN OUT [--screen-bits=N]\n       muralto-convert --batch LIST\n");
  return 2;
}

int Batch(const char* listPath) {
  std::ifstream list(listPath);
  if (!list) return Usage();
  std::string line;
  while (std::getline(list, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::stringstream fields(line);
    std::string in, out, bits;
    std::getline(fields, in, '\t');
    std::getline(fields, out, '\t');
    std::getline(fields, bits, '\t');
    try {
      Convert(in, out, bits.empty() ? 24 : std::stoi(bits));
      std::printf("ok\n");
    } catch (const std::exception& error) {
      std::printf("%s\n", error.what());
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--batch") return Batch(argv[2]);
  if (argc < 3 || argc > 4) return Usage();
  int screenBits = 24;
  if (argc == 4) {
    const std::string option = argv[3];
    const std::string prefix = "--screen-bits=";
    if (option.rfind(prefix, 0) != 0) return Usage();
    screenBits = std::atoi(option.c_str() + prefix.size());
  }
  try {
    Convert(argv[1], argv[2], screenBits);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
