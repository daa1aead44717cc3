#pragma once
// What the message boxes shown so far on the simulated machine said, in order.
#include <string>
#include <vector>

#include "platform/sim/windows_world.h"

namespace support {

// The texts, each after its caption and ": " when withCaptions is set.
inline std::vector<std::string> BoxTexts(bool withCaptions = false) {
  std::vector<std::string> texts;
  for (const auto& box : sim::MessageBoxes()) texts.push_back(withCaptions ? box.caption + ": " + box.text : box.text);
  return texts;
}

}  // namespace support
