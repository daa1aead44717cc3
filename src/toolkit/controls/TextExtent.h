#pragma once
// The room a text takes on the screen in a font.
#include <string>

#include "platform/types.h"
#include "toolkit/controls/Font.h"

namespace toolkit {

struct TTextExtent {
  int width = 0;
  int height = 0;
};

// The extent of text in font, laid out as a static text control lays it
// out: on one line per line break, or, with wrapWidth > 0, broken between
// words to fit that width (the widest line may then be narrower, or a
// single long word wider).
TTextExtent MeasureText(const TFont& font, const std::string& text, int wrapWidth = 0);

}  // namespace toolkit
