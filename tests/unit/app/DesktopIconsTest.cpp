// The tray menu's desktop-icon switch against stand-ins for the shell's
// "Program Manager" window.
#include <string>

#include "MainFormFixture.h"
#include "platform/messages.h"
#include "platform/windowing.h"

namespace {

using testing_app::MainFormTest;

platform::Lresult MURALTO_WINAPI PlainProc(platform::Hwnd w, std::uint32_t m, platform::Wparam wp, platform::Lparam lp) {
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
  Start();
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.className) + " \"" + row.title + "\"");
    platform::Hwnd shell = TopLevel(row.className, row.title);
    ASSERT_NE(shell, 0u);
    form->PMHideIconsClick(nullptr);
    EXPECT_EQ(platform::IsWindowVisible(shell), !row.switched);
    form->PMHideIconsClick(nullptr);  // hiding twice changes nothing
    EXPECT_EQ(platform::IsWindowVisible(shell), !row.switched);
    form->PMShowIconsClick(nullptr);
    EXPECT_TRUE(platform::IsWindowVisible(shell));
    platform::DestroyWindow(shell);
  }
}

TEST_F(MainFormTest, DesktopIconSwitchWithoutAShellWindowIsSilent) {
  Start();
  EXPECT_NO_THROW(form->PMHideIconsClick(nullptr));
  EXPECT_NO_THROW(form->PMShowIconsClick(nullptr));
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

}  // namespace
