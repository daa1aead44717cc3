// Registering a window for files dropped from the shell.
#include "WindowSuite.h"
#include "platform/dragdrop.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;

std::uint32_t ExStyle(Hwnd window) { return static_cast<std::uint32_t>(GetWindowLongA(window, GwlExStyle)); }

TEST_F(WindowSuite, DragAcceptFilesSetsAndClearsTheAcceptFilesStyleOfThatWindowOnly) {
  Window parent("Parent");
  Window child("Child", WsChild | WsVisible, parent.h);
  const std::uint32_t before = ExStyle(child.h);
  ASSERT_EQ(before & WsExAcceptFiles, 0u);
  DragAcceptFiles(child.h, true);
  EXPECT_EQ(ExStyle(child.h), before | WsExAcceptFiles);
  EXPECT_EQ(ExStyle(parent.h) & WsExAcceptFiles, 0u) << "the parent is not registered with its child";
  DragAcceptFiles(child.h, true);
  EXPECT_EQ(ExStyle(child.h), before | WsExAcceptFiles) << "registering twice";
  DragAcceptFiles(child.h, false);
  EXPECT_EQ(ExStyle(child.h), before);
}

}  // namespace
