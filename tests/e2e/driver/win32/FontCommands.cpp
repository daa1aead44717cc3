#include "Commands.h"

#include <iostream>

#include "Handles.h"

namespace e2e {

// What the font mapper makes of a face name at a character height in pixels:
// the face it chose, its cell height, its average character width and its
// character set (which follows the program's ANSI code page).
int FontCommand(const Args& args) {
  const int height = static_cast<int>(ParseNumber(args[1]));
  const platform::UniqueHandle font(
      CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, args[0].c_str()),
      [](HFONT made) { DeleteObject(made); });
  if (!font.Valid()) throw CheckFailed("CreateFontA failed");
  const platform::UniqueHandle screen(GetDC(nullptr), [](HDC dc) { ReleaseDC(nullptr, dc); });
  char face[LF_FACESIZE] = {};
  TEXTMETRICA metrics{};
  {
    const platform::UniqueHandle selected(SelectObject(screen.Get(), font.Get()),
                                          [&screen](HGDIOBJ old) { SelectObject(screen.Get(), old); });
    GetTextFaceA(screen.Get(), sizeof face, face);
    GetTextMetricsA(screen.Get(), &metrics);
  }
  std::cout << face << "\t" << metrics.tmHeight << "\t" << metrics.tmAveCharWidth << "\t"
            << static_cast<int>(metrics.tmCharSet) << "\n";
  return 0;
}

}  // namespace e2e
