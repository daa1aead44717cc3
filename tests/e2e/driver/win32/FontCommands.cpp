#include "Commands.h"

#include <iostream>
#include <memory>

namespace e2e {

namespace {

struct ScreenDc {
  HDC dc = GetDC(nullptr);
  ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};

}  // namespace

// What the font mapper makes of a face name at a character height in pixels:
// the face it chose, its cell height, its average character width and its
// character set (which follows the program's ANSI code page).
int FontCommand(const Args& args) {
  const int height = static_cast<int>(ParseNumber(args[1]));
  std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font(
      CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, args[0].c_str()));
  if (!font) throw CheckFailed("CreateFontA failed");
  ScreenDc screen;
  HGDIOBJ old = SelectObject(screen.dc, font.get());
  char face[LF_FACESIZE] = {};
  GetTextFaceA(screen.dc, sizeof face, face);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.dc, &metrics);
  SelectObject(screen.dc, old);
  std::cout << face << "\t" << metrics.tmHeight << "\t" << metrics.tmAveCharWidth << "\t"
            << static_cast<int>(metrics.tmCharSet) << "\n";
  return 0;
}

}  // namespace e2e
