#include "resources/Glyphs.h"

#include "resources/EmbeddedResources.h"

namespace muralto {

std::span<const std::uint8_t> GlyphBitmap(std::string_view name) {
  if (name != "SpinUp" && name != "SpinDown") return {};
  return EmbeddedResource(name);
}

}  // namespace muralto
