// The tray menu's desktop-icon switch against stand-ins for the shell's
// "Program Manager" window.
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "platform/messages.h"
#include "platform/windowing.h"

namespace {

using apptest::MainFormTest;

platform::Lresult MURALTO_WINAPI PlainProc(platform::Hwnd w, std::uint32_t m, platform::Wparam wp,
                                           platform::Lparam lp) {
  return platform::DefWindowProcA(w, m, wp, lp);
}

platform::Hwnd TopLevel(const char* className, const char* title) {
  platform::WndClass wc;
  wc.proc = PlainProc;
  wc.className = className;
  platform::RegisterClassA(&wc);
  return platform::CreateWindowExA(0, className, title, platform::WsPopup | platform::WsVisible, 0, 0, 50, 50, 0, 0);
}

TEST_F(MainFormTest, DesktopIconSwitchShowsAndHidesTheWindowTitledProgramManager) {
  struct Row {
    const char* className;
    const char* title;
    bool switched;  // whether the switch reaches it
  } const rows[] = {
      {"Progman", "Program Manager", true},
      {"AnyClassAtAll", "PROGRAM MANAGER", true},  // title without regard to case, class ignored
      {"Progman", "Program Manager 2", false},     // the whole title, not a prefix
      {"Progman", "", false},                      // the class alone is not enough
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.className) + " \"" + row.title + "\"");
    platform::Hwnd shell = TopLevel(row.className, row.title);
    ASSERT_NE(shell, 0u);
    Start();
    sim::ShowCalls().clear();
    form->PMHideIconsClick(nullptr);
    form->PMHideIconsClick(nullptr);  // hiding twice changes nothing
    EXPECT_EQ(platform::IsWindowVisible(shell), !row.switched);
    // Neither the end of the program nor a new start brings them back.
    form->PExitClick(nullptr);
    app.reset();
    Start();
    EXPECT_EQ(platform::IsWindowVisible(shell), !row.switched);
    form->PMShowIconsClick(nullptr);
    EXPECT_TRUE(platform::IsWindowVisible(shell));
    std::vector<int> commands;  // SW_HIDE 0, SW_SHOW 5
    for (const auto& call : sim::ShowCalls()) {
      if (call.window == shell) commands.push_back(call.command);
    }
    EXPECT_EQ(commands, (row.switched ? std::vector<int>{0, 0, 5} : std::vector<int>{}));
    app.reset();
    platform::DestroyWindow(shell);
  }
}

TEST_F(MainFormTest, DesktopIconSwitchWithoutAShellWindowIsSilent) {
  Start();
  form->Show();  // in front: no stand-in for the missing window
  sim::ShowCalls().clear();
  form->PMHideIconsClick(nullptr);
  form->PMShowIconsClick(nullptr);
  EXPECT_TRUE(sim::ShowCalls().empty()) << "no window was shown or hidden";
  EXPECT_TRUE(platform::IsWindowVisible(form->Handle()));
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

}  // namespace
