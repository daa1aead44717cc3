// The notification area: what each add, change and delete of an icon answers.
#include "WindowSuite.h"
#include "platform/tray.h"

namespace {

using windowsuite::WindowSuite;
using namespace platform;

TEST_F(WindowSuite, TheNotificationAreaAnswersEachCallAsItsIconsStand) {
  windowsuite::Window owner("Tray contract", WsPopup);
  windowsuite::Window gone("Tray contract, gone", WsPopup);
  ASSERT_TRUE(owner.h && DestroyWindow(gone.h));
  struct Row {
    const char* name;
    std::uint32_t message, id;
    bool succeeds;
    Hwnd window = 0;  // the owner's when 0
  } const rows[] = {
      {"add", NimAdd, 2, true},
      {"a second add of the same icon", NimAdd, 2, false},
      {"modify", NimModify, 2, true},
      {"another id of the same window", NimAdd, 3, true},
      {"delete", NimDelete, 2, true},
      {"a delete of a missing icon", NimDelete, 2, false},
      {"a modify of a missing icon", NimModify, 2, false},
      {"an add after the delete", NimAdd, 2, true},
      {"delete again", NimDelete, 2, true},
      {"delete the other id", NimDelete, 3, true},
      // The shell keeps what it is given; the window is not looked at.
      {"an add for a window that is gone", NimAdd, 2, true, gone.h},
      {"its delete", NimDelete, 2, true, gone.h},
  };
  for (const Row& row : rows) {
    NotifyIconData record;
    record.cbSize = sizeof(record);
    record.hWnd = static_cast<std::uint32_t>(row.window ? row.window : owner.h);
    record.uID = row.id;
    record.uFlags = NifMessage | NifIcon | NifTip;
    record.uCallbackMessage = WmUser + 0x2FF;
    record.hIcon = static_cast<std::uint32_t>(LoadIconA(0, IdiApplication));
    EXPECT_EQ(Shell_NotifyIconA(row.message, &record), row.succeeds) << row.name;
  }
  EXPECT_EQ(RegisterWindowMessageA("taskbarcreated"), RegisterWindowMessageA("TaskbarCreated"));
  EXPECT_GE(RegisterWindowMessageA("TaskbarCreated"), 0xC000u);
}

}  // namespace
