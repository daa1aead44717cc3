#include "toolkit/controls/Font.h"

#include <map>
#include <tuple>

#include "platform/gdi.h"

namespace toolkit {

std::uint32_t ColorToRGB(TColor color) {
  if (color < 0) return platform::GetSysColor(color & 0xFF);
  return static_cast<std::uint32_t>(color);
}

namespace {
// Font objects are few (one per distinct font) and live until the process
// ends, so every window can keep using the one it was given.
class FontCache {
 public:
  ~FontCache() {
    for (auto& [key, font] : fonts_) platform::DeleteObject(font);
  }
  platform::Hfont Get(const TFont& f) {
    auto key = std::make_tuple(f.Name, f.Height, f.Bold, f.Underline);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    platform::Hfont font = platform::CreateFontA(f.Height, f.Bold ? platform::FwBold : platform::FwNormal, false,
                                                 f.Underline, f.Name.c_str());
    fonts_[key] = font;
    return font;
  }

 private:
  std::map<std::tuple<std::string, int, bool, bool>, platform::Hfont> fonts_;
};
}  // namespace

platform::Hfont TFont::Handle() const {
  static FontCache cache;
  return cache.Get(*this);
}

}  // namespace toolkit
