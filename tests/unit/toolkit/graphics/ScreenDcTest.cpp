// Measures inside a scope share its device context of the screen, which goes
// back when the outermost scope ends; outside one, each takes its own and
// gives it back. The simulation answers nothing for a released context.
#include <gtest/gtest.h>

#include "platform/desktop.h"
#include "toolkit/GuiTest.h"
#include "toolkit/graphics/ScreenDc.h"

namespace {

class ScreenDcTest : public guitest::GuiTest {};

bool Open(platform::Hdc dc) { return platform::GetDeviceCaps(dc, platform::DeviceCapsPlanes) == 1; }

TEST_F(ScreenDcTest, AScopeLendsOneContextUntilTheOutermostScopeEnds) {
  platform::Hdc held = 0;
  {
    const toolkit::TScreenDcScope outer;
    held = toolkit::TScreenDc().Get();
    {
      const toolkit::TScreenDcScope inner;
      EXPECT_EQ(toolkit::TScreenDc().Get(), held);
    }
    EXPECT_EQ(toolkit::TScreenDc().Get(), held) << "an inner scope's end keeps it";
    EXPECT_TRUE(Open(held)) << "a measure's end keeps it";
  }
  EXPECT_FALSE(Open(held)) << "released at the outermost scope's end";
  platform::Hdc own = 0;
  {
    const toolkit::TScreenDc dc;
    own = dc.Get();
    EXPECT_TRUE(Open(own));
  }
  EXPECT_FALSE(Open(own)) << "without a scope, a measure releases its own";
}

}  // namespace
