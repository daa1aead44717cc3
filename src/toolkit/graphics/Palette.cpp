#include "toolkit/graphics/Palette.h"

namespace toolkit {

namespace {

TRGBQuad Rgb(int r, int g, int b) {
  return TRGBQuad{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0};
}

}  // namespace

std::vector<TRGBQuad> GrayPalette(int n) {
  std::vector<TRGBQuad> gray;
  for (int i = 0; i < n; ++i) {
    const int v = n > 1 ? (i * 255 + (n - 1) / 2) / (n - 1) : 0;
    gray.push_back(Rgb(v, v, v));
  }
  return gray;
}

std::vector<TRGBQuad> DefaultPalette(int bitCount) {
  if (bitCount == 1) return GrayPalette(2);
  if (bitCount == 4) {
    static const int vga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                   {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                   {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                   {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    std::vector<TRGBQuad> colors;
    for (const auto& c : vga) colors.push_back(Rgb(c[0], c[1], c[2]));
    return colors;
  }
  if (bitCount == 8) {
    std::vector<TRGBQuad> colors;
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b) colors.push_back(Rgb(r * 51, g * 51, b * 51));
    for (int i = 1; i <= 40; ++i) {
      const int v = i * 255 / 41;
      colors.push_back(Rgb(v, v, v));
    }
    return colors;
  }
  return {};
}

}  // namespace toolkit
