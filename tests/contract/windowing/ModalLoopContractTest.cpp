// The loops that run inside a call, a pop-up menu's and a message box's,
// driven from inside by messages the loop itself dispatches.
#include <functional>

#include "WindowSuite.h"
#include "contract/ContractChecks.h"
#include "platform/dialogs.h"
#include "platform/menus.h"

namespace {

using windowsuite::Window;
using namespace platform;

constexpr const char* kDriver = "MuraltoContractDriver";
// What a driver window does with each message it is given.
std::function<void(std::uint32_t)> react;
Lresult MURALTO_WINAPI DriverProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  if (react) react(message);
  return windowsuite::RecordingProc(window, message, wParam, lParam);
}

class ModalLoops : public windowsuite::WindowSuite {
 protected:
  void SetUp() override {
    WindowSuite::SetUp();
    WndClass wc;
    wc.proc = DriverProc;
    wc.className = kDriver;
    ASSERT_TRUE(RegisterClassA(&wc));
  }
  void TearDown() override {
    react = nullptr;
    WindowSuite::TearDown();
  }
};

void Pump() {
  Msg msg;
  while (PeekMessageA(&msg, 0, 0, 0, PmRemove)) DispatchMessageA(&msg);
}

TEST_F(ModalLoops, APopupMenuTellsItsOwnerAndPostsTheChosenCommandOnceClosed) {
  struct Row {
    const char* what;
    std::vector<int> keys;  // none: a WM_CANCELMODE instead
    std::uint32_t command;
  } rows[] = {{"Down, Enter: the first item", {VkDown, VkReturn}, 101},
              {"the highlight passes the separator", {VkDown, VkDown, VkReturn}, 102},
              {"Up with nothing highlighted: the last item", {VkUp, VkReturn}, 103},
              {"Esc chooses nothing", {VkEscape}, 0},
              {"WM_CANCELMODE chooses nothing", {}, 0}};
  Hmenu menu = CreatePopupMenu();
  AppendMenuA(menu, MfString, 101, "Restore");
  AppendMenuA(menu, MfSeparator, 0, nullptr);
  AppendMenuA(menu, MfString, 102, "Change Now");
  AppendMenuA(menu, MfString, 103, "Exit");
  Window owner("Owner", WsOverlapped | WsCaption | WsVisible, 0, kDriver);
  const std::vector<std::uint32_t> told{WmEnterMenuLoop, WmInitMenu, WmInitMenuPopup, WmUninitMenuPopup, WmExitMenuLoop};
  for (const Row& row : rows) {
    windowsuite::Log().clear();
    bool driven = false, secondRefused = false;
    react = [&](std::uint32_t message) {
      if (message != WmEnterIdle || driven) return;
      driven = true;
      SetLastError(0);
      secondRefused = !TrackPopupMenu(menu, TpmLeftAlign, 40, 40, owner.h) && GetLastError() == 1446u;
      for (int key : row.keys) PostMessageA(owner.h, WmKeyDown, static_cast<Wparam>(key), 1);
      if (row.keys.empty()) PostMessageA(owner.h, WmCancelMode, 0, 0);
    };
    SetForegroundWindow(owner.h);
    EXPECT_TRUE(TrackPopupMenu(menu, TpmLeftAlign | TpmRightButton, 40, 40, owner.h)) << row.what;
    EXPECT_TRUE(secondRefused) << row.what << ": ERROR_POPUP_ALREADY_ACTIVE while it is open";
    EXPECT_EQ(windowsuite::Messages(owner.h, told), told) << row.what;
    EXPECT_TRUE(windowsuite::Messages(owner.h, {WmCommand}).empty()) << row.what << ": posted, not sent";
    Pump();
    std::vector<Wparam> commands;
    for (const auto& s : windowsuite::Log()) {
      if (s.window == owner.h && s.message == WmCommand) commands.push_back(s.wParam);
    }
    EXPECT_EQ(commands, row.command ? std::vector<Wparam>{row.command} : std::vector<Wparam>{}) << row.what;
  }
  SetLastError(0);
  EXPECT_FALSE(TrackPopupMenu(menu + 0x7000, TpmLeftAlign, 40, 40, owner.h));
  EXPECT_EQ(GetLastError(), 1401u) << "ERROR_INVALID_MENU_HANDLE";
  EXPECT_FALSE(TrackPopupMenu(menu, TpmLeftAlign, 40, 40, owner.h + 0x7000));
  EXPECT_EQ(GetLastError(), 1400u) << "ERROR_INVALID_WINDOW_HANDLE";
  DestroyMenu(menu);
}

// A box found from inside its own loop, answered as a button would.
TEST_F(ModalLoops, AMessageBoxDisablesItsOwnerKeepsDispatchingAndReturnsTheButton) {
  struct Row {
    const char* what;
    std::uint32_t type, message;
    Wparam button;
    int answer;
  } rows[] = {{"OK", MbOk | MbIconError, WmCommand, IdOk, IdOk},
              {"Cancel", MbOkCancel | MbIconWarning, WmCommand, IdCancel, IdCancel},
              {"Yes", MbYesNo | MbIconQuestion, WmCommand, IdYes, IdYes},
              {"No", MbYesNo, WmCommand, IdNo, IdNo},
              {"an OK/Cancel box closed", MbOkCancel, WmClose, 0, IdCancel}};
  Window owner("Owner", WsOverlapped | WsCaption | WsVisible, 0, kDriver);
  Window other("Other", WsOverlapped | WsCaption, 0, kDriver);
  for (const Row& row : rows) {
    Hwnd box = 0;
    bool ownerEnabled = true, otherEnabled = false;
    char title[32] = {};
    std::string text;
    react = [&](std::uint32_t message) {
      if (message != WmUser || box) return;
      box = FindWindowA("#32770", "Muralto 1.2");
      ownerEnabled = IsWindowEnabled(owner.h);
      otherEnabled = IsWindowEnabled(other.h);
      GetWindowTextA(box, title, sizeof title);
      text = windowenv::DialogItemText(box, 0xFFFF);
      SendMessageA(box, row.message, row.button, 0);
    };
    PostMessageA(other.h, WmUser, 0, 0);
    EXPECT_EQ(MessageBoxA(owner.h, "Please, drag folders only", "Muralto 1.2", row.type), row.answer) << row.what;
    ASSERT_NE(box, 0u) << row.what << ": the box's loop dispatches what is posted to the thread's windows";
    EXPECT_FALSE(ownerEnabled) << row.what;
    EXPECT_TRUE(otherEnabled) << row.what << ": only the owner";
    EXPECT_STREQ(title, "Muralto 1.2");
    EXPECT_EQ(text, "Please, drag folders only");
    EXPECT_TRUE(IsWindowEnabled(owner.h)) << row.what;
    EXPECT_FALSE(IsWindow(box)) << row.what;
  }
  react = [&](std::uint32_t message) {
    if (message == WmUser) SendMessageA(FindWindowA("#32770", "Muralto 1.2"), WmClose, 0, 0);
  };
  PostMessageA(other.h, WmUser, 0, 0);
  const int closed = MessageBoxA(owner.h, "Text", "Muralto 1.2", MbOk);
  contract::KnownWineDeviation(closed == IdOk, closed == IdCancel, "a box with OK alone answers OK when closed");
  // Task-modal without an owner: every top-level window of the thread, hidden ones too.
  bool seen = false;
  react = [&](std::uint32_t message) {
    if (message != WmUser || seen) return;
    seen = true;
    EXPECT_FALSE(IsWindowEnabled(owner.h) || IsWindowEnabled(other.h)) << "task-modal";
    SendMessageA(FindWindowA("#32770", "Muralto 1.2"), WmCommand, IdOk, 0);
  };
  PostMessageA(other.h, WmUser, 0, 0);
  EXPECT_EQ(MessageBoxA(0, "Text", "Muralto 1.2", MbOk | MbTaskModal), IdOk);
  EXPECT_TRUE(seen && IsWindowEnabled(owner.h) && IsWindowEnabled(other.h));
}

}  // namespace
