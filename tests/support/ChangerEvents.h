#pragma once
// Records a wallpaper changer's events in order, each checked to come from
// the changer itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wallpaper/WPChanger.h"

namespace support {

struct ChangerEvents {
  explicit ChangerEvents(muralto::TWPChanger& changer) {
    auto record = [this, &changer](const char* name) {
      return [this, &changer, name](toolkit::TObject* sender) {
        EXPECT_EQ(sender, &changer) << name;
        events.push_back(name);
      };
    };
    changer.OnBeginChange = record("begin");
    changer.OnFinishChange = record("finish");
    changer.OnFileNotFound = record("not found");
    changer.OnRegistryError = record("registry error");
  }
  std::vector<std::string> events;
};

}  // namespace support
