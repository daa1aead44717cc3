#pragma once
// A list's entries as the user sees them: each caption followed by "+" when
// it is ticked and "-" when it is not.
#include <string>
#include <vector>

#include "toolkit/controls/ListItems.h"

namespace support {

inline std::vector<std::string> Captions(toolkit::TListItems& items) {
  std::vector<std::string> out;
  for (int i = 0; i < items.Count(); ++i)
    out.push_back(items.Item(i)->Caption() + (items.Item(i)->Checked() ? "+" : "-"));
  return out;
}

}  // namespace support
