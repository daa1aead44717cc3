// Every test of a native test program ends holding no more device contexts
// and GDI objects than it started with: a leak fails the test that made it,
// whichever fixture it runs in.
#include <gtest/gtest.h>

#include <memory>

#include "platform/sim/world.h"

namespace {

class GdiLeakCheck : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { before_ = sim::GdiInUse(); }
  void OnTestEnd(const ::testing::TestInfo&) override {
    const sim::GdiCount after = sim::GdiInUse();
    EXPECT_LE(after.contexts, before_.contexts) << "device contexts left open";
    EXPECT_LE(after.objects, before_.objects) << "GDI objects left undeleted";
  }
  sim::GdiCount before_;
};

// The listener list owns what it is given.
const bool installed = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(std::make_unique<GdiLeakCheck>().release());
  return true;
}();

}  // namespace
