#pragma once
// The font of a control. Forms are designed in "MS Sans Serif" 8 pt: at 96
// dots per inch that is a character height of 11 pixels. Windows maps the
// name to its "Microsoft Sans Serif"; Wine ships a bitmap font of that name
// (sserife.fon) with an 8-point size, so the same request renders in both.
#include <cstdint>
#include <string>

#include "platform/windowing.h"

namespace toolkit {

using TColor = std::int32_t;
// System colours are negative, as the library's colour type has them.
inline constexpr TColor clWindowText = -0x7FFFFFF8;
inline constexpr TColor clBtnFace = -0x7FFFFFF1;
inline constexpr TColor clWindow = -0x7FFFFFFB;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
// 0x00BBGGRR of a colour, system colours resolved.
std::uint32_t ColorToRGB(TColor color);

struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  bool Bold = false;
  bool Underline = false;
  TColor Color = clWindowText;

  bool operator==(const TFont&) const = default;
  // A font object of the system for this font; shared and kept for the run.
  platform::Hfont Handle() const;
};

}  // namespace toolkit
