#pragma once
// A fixture for the simulated machine's own tests: a fresh machine whose
// drive C: is a new host folder, gone with the test.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/sim/world.h"
#include "support/TempFolder.h"

namespace support {

class DriveCTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Reset();
    sim::MapDrive('C', host_);
  }
  void TearDown() override { sim::Reset(); }

  // Writes bytes to a file under C:'s host folder.
  void Write(const std::string& relative, const std::string& bytes) {
    std::ofstream(host_ + "/" + relative, std::ios::binary) << bytes;
  }

  TempFolder folder_{"muralto-drive-c-"};
  const std::string host_ = folder_.Path();
};

}  // namespace support
