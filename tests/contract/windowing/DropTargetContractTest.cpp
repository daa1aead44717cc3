// Registering a window for files dropped from the shell, and what a drop
// tells the window that takes it.
#include <cstring>
#include <string>
#include <vector>

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

TEST_F(WindowSuite, ADropTellsItsPathsInOrderAndWhereItLanded) {
  Window w("Target", WsPopup | WsVisible);
  ASSERT_TRUE(MoveWindow(w.h, 10, 10, 120, 80, false));
  DragAcceptFiles(w.h, true);
  const std::vector<std::string> paths{"C:\\Pictures\\Sea", "C:\\a.jpg"};
  windowenv::DropFiles(w.h, paths, {30, 40});
  Msg msg;
  ASSERT_TRUE(PeekMessageA(&msg, w.h, WmDropFiles, WmDropFiles, PmRemove)) << "posted to the window";
  const auto drop = static_cast<Hdrop>(msg.wParam);
  ASSERT_EQ(DragQueryFileA(drop, DragQueryCount, nullptr, 0), 2u);
  for (std::uint32_t i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(DragQueryFileA(drop, i, nullptr, 0), paths[i].size()) << "the length it needs";
    char buffer[MaxPath];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(DragQueryFileA(drop, i, buffer, MaxPath), paths[i].size());
    EXPECT_STREQ(buffer, paths[i].c_str());
  }
  char cut[6];
  DragQueryFileA(drop, 0, cut, sizeof cut);
  EXPECT_STREQ(cut, "C:\\Pi") << "cut to the buffer with its zero";
  Point at;
  EXPECT_TRUE(DragQueryPoint(drop, &at)) << "in the client area";
  EXPECT_EQ(std::vector<int>({at.x, at.y}), std::vector<int>({30, 40}));
  DragFinish(drop);
}

}  // namespace
