#pragma once
// The window layouts, embedded into the program: the text of
// resources/layouts/<name>.layout, or empty for an unknown name.
#include <string_view>

namespace muralto {

std::string_view LayoutText(std::string_view name);

}  // namespace muralto
