#pragma once
// TImageList: a numbered list of icons, the source of pictures for
// components that show one of several (a tray icon's animation).
#include <vector>

#include "platform/windowing.h"
#include "toolkit/core/Component.h"

namespace toolkit {

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}

  int Count() const { return static_cast<int>(icons_.size()); }
  // Adds an icon (shared, not owned) and returns its index.
  int AddIcon(platform::Hicon icon) {
    icons_.push_back(icon);
    return Count() - 1;
  }
  // The icon at index, or 0 (no picture) outside the list.
  platform::Hicon GetIcon(int index) const {
    return index >= 0 && index < Count() ? icons_[static_cast<std::size_t>(index)] : 0;
  }

 private:
  std::vector<platform::Hicon> icons_;
};

}  // namespace toolkit
