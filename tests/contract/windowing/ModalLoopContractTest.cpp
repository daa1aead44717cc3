// The loops that run inside a call, a pop-up menu's and a message box's,
// driven from inside by messages they dispatch.
#include "WindowSuite.h"
#include "contract/ContractChecks.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/shell.h"
#include "support/Probe.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;
using namespace probe;

TEST_F(WindowSuite, APopupMenuTellsItsOwnerAndPostsTheChosenCommandOnceClosed) {
  Window owner("Owner", WsOverlapped | WsCaption | WsVisible);
  Hmenu menu = CreatePopupMenu();
  AppendMenuA(menu, MfString, 101, "Restore");
  AppendMenuA(menu, MfSeparator, 0, nullptr);
  AppendMenuA(menu, MfString, 102, "Exit");
  // Keys posted when the loop first idles (none: a WM_CANCELMODE), and the command they choose.
  const std::pair<std::vector<int>, Wparam> rows[] = {
      {{VkDown, VkReturn}, 101}, {{VkDown, VkDown, VkReturn}, 102}, {{VkUp, VkReturn}, 102}, {{VkEscape}, 0}, {{}, 0}};
  const std::vector<std::uint32_t> told{WmEnterMenuLoop, WmInitMenu, WmInitMenuPopup, WmUninitMenuPopup,
                                        WmExitMenuLoop};
  for (const auto& [keys, command] : rows) {
    windowsuite::Log().clear();
    bool refused = false;
    windowsuite::OnMessage() = [&, idles = 0](std::uint32_t message) mutable {
      if (message != WmEnterIdle || idles++) return;
      refused = !TrackPopupMenu(menu, 0, 0, 0, owner.h) && GetLastError() == 1446u;  // ERROR_POPUP_ALREADY_ACTIVE
      for (int key : keys) PostMessageA(owner.h, WmKeyDown, static_cast<Wparam>(key), 1);
      if (keys.empty()) PostMessageA(owner.h, WmCancelMode, 0, 0);
    };
    SetForegroundWindow(owner.h);
    EXPECT_TRUE(TrackPopupMenu(menu, TpmLeftAlign | TpmRightButton, 40, 40, owner.h) && refused) << keys.size();
    std::vector<std::uint32_t> sent = told;
    sent.push_back(WmCommand);
    EXPECT_EQ(windowsuite::Messages(owner.h, sent), told) << "the command comes after, posted";
    Msg msg;
    while (PeekMessageA(&msg, 0, 0, 0, PmRemove)) DispatchMessageA(&msg);
    Wparam chosen = 0;
    for (const auto& s : windowsuite::Log()) chosen = s.message == WmCommand ? s.wParam : chosen;
    EXPECT_EQ(chosen, command) << keys.size() << " keys";
  }
  EXPECT_FALSE(TrackPopupMenu(menu + 0x7000, 0, 0, 0, owner.h) || TrackPopupMenu(menu, 0, 0, 0, owner.h + 0x7000));
  DestroyMenu(menu);
}

// The box is found from inside its own loop and answered as its buttons would.
TEST_F(WindowSuite, AMessageBoxDisablesItsOwnerKeepsDispatchingAndReturnsTheButton) {
  Window owner("Owner", WsOverlapped | WsCaption | WsVisible);
  Window other("Other");
  struct Row {
    std::uint32_t type, message;
    Wparam button;
    int answer;  // 0: a box with OK alone closed, where Windows answers OK and Wine Cancel
  } rows[] = {{MbOk | MbIconError, WmCommand, IdOk, IdOk},
              {MbOkCancel, WmCommand, IdCancel, IdCancel},
              {MbYesNo | MbIconQuestion, WmCommand, IdYes, IdYes},
              {MbYesNo, WmCommand, IdNo, IdNo},
              {MbOkCancel, WmClose, 0, IdCancel},
              {MbOk, WmClose, 0, 0},
              {MbOk | MbTaskModal, WmCommand, IdOk, IdOk},  // no owner: every top-level window
              // Enter presses the default button: the first, or the second one named
              {MbYesNo, WmKeyDown, VkReturn, IdYes},
              {MbYesNo | MbIconQuestion | MbDefButton2, WmKeyDown, VkReturn, IdNo},
              {MbOkCancel | MbDefButton2, WmKeyDown, VkReturn, IdCancel}};
  for (const Row& row : rows) {
    const bool taskModal = (row.type & MbTaskModal) != 0;
    Hwnd box = 0;
    std::vector<bool> enabled;
    std::vector<Hwnd> front;  // in front, and the owner's last active window, while the box is open
    char title[32] = {};
    ASSERT_TRUE(SetForegroundWindow(owner.h));
    windowsuite::OnMessage() = [&](std::uint32_t message) {
      if (message != WmUser || box) return;
      box = FindWindowA("#32770", "Muralto 1.2");
      enabled = {IsWindowEnabled(owner.h), IsWindowEnabled(other.h)};
      front = {GetForegroundWindow(), GetLastActivePopup(owner.h)};
      GetWindowTextA(box, title, sizeof title);
      // A key reaches the box through its loop, as the keyboard's would.
      if (row.message == WmKeyDown) {
        PostMessageA(box, row.message, row.button, 1);
      } else {
        SendMessageA(box, row.message, row.button, 0);
      }
    };
    PostMessageA(other.h, WmUser, 0, 0);  // the box's loop dispatches what is posted to the thread's windows
    const int answer = MessageBoxA(taskModal ? 0 : owner.h, "Please, drag folders only", "Muralto 1.2", row.type);
    if (row.answer) {
      EXPECT_EQ(answer, row.answer) << row.type;
    } else {
      contract::KnownWineDeviation(answer == IdOk, answer == IdCancel, "OK alone answers OK when closed");
    }
    EXPECT_EQ(enabled, std::vector<bool>({false, !taskModal})) << row.type;
    if (!taskModal) {
      EXPECT_EQ(front, std::vector<Hwnd>({box, box})) << row.type;
      EXPECT_EQ(GetForegroundWindow(), owner.h) << row.type << ": the owner is in front again once it has gone";
    }
    EXPECT_STREQ(title, "Muralto 1.2") << row.type;
    EXPECT_TRUE(IsWindowEnabled(owner.h) && IsWindowEnabled(other.h) && box && !IsWindow(box)) << row.type;
  }
  // An owner that is no window opens no box (one opened all the same is
  // answered from its loop, so that the run goes on).
  windowsuite::OnMessage() = [](std::uint32_t message) {
    if (message == WmUser) SendMessageA(FindWindowA("#32770", "Muralto 1.2"), WmCommand, IdOk, 0);
  };
  PostMessageA(other.h, WmUser, 0, 0);
  const int refused = MessageBoxA(owner.h + 0x7000, "Please, drag folders only", "Muralto 1.2", MbOk);
  contract::KnownWineDeviation(refused == 0, refused == -1, "a box refused for its owner answers -1");
}

// The folder browser is a modal dialog of its owner's whose loop keeps
// dispatching; cancelled, it hands back no item.
TEST_F(WindowSuite, AFolderBrowserDisablesItsOwnerKeepsDispatchingAndCancelledGivesNoItem) {
  Window owner("Owner", WsOverlapped | WsCaption | WsVisible);
  ASSERT_TRUE(SetForegroundWindow(owner.h));
  Hwnd browser = 0;
  bool ownerEnabled = true;
  windowsuite::OnMessage() = [&](std::uint32_t message) {
    if (message != WmUser || browser) return;
    browser = GetLastActivePopup(owner.h);
    ownerEnabled = IsWindowEnabled(owner.h);
    SendMessageA(browser, WmCommand, IdCancel, 0);
  };
  PostMessageA(owner.h, WmUser, 0, 0);
  char name[MaxPath] = {};  // the chosen item's name, as the program asks for it
  BrowseInfo info;
  info.owner = owner.h;
  info.displayName = name;
  info.title = "Select Directory";
  EXPECT_EQ(SHBrowseForFolderA(&info), 0u);
  EXPECT_NE(browser, owner.h) << "the browser was open when the message came";
  EXPECT_TRUE(browser && !IsWindow(browser));
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner.h));
}

}  // namespace
