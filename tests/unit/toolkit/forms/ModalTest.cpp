// Modal forms: the loop keeps dispatching timer ticks; a button's modal
// result or a close ends it.
#include <gtest/gtest.h>

#include "toolkit/GuiTest.h"
#include "toolkit/controls/Button.h"
#include "toolkit/forms/Timer.h"

namespace {

class ModalTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    dialog = toolkit::TComponent::Create<toolkit::TForm>(app.get());
    dialog->SetBorderStyle(toolkit::TFormBorderStyle::bsDialog);
    dialog->SetClientSize(200, 100);
    ok = toolkit::TComponent::Create<toolkit::TButton>(dialog);
    ok->SetModalResult(toolkit::mrOk);
    ok->SetParent(dialog);
    form->Show();
  }
  toolkit::TForm* dialog = nullptr;
  toolkit::TButton* ok = nullptr;
};

TEST_F(ModalTest, TimerTicksAreDispatchedWhileTheDialogIsOpen) {
  auto* timer = toolkit::TComponent::Create<toolkit::TTimer>(form);
  std::vector<std::uint32_t> ticks;
  timer->SetInterval(1000);
  timer->SetOnTimer([&](toolkit::TObject*) { ticks.push_back(sim::Now()); });
  bool ownerDisabled = false;
  sim::SetIdleHandler([&] {
    ownerDisabled = !platform::IsWindowEnabled(form->Handle());
    sim::AdvanceClock(3000);
    platform::PostMessageA(ok->Handle(), platform::BmClick, 0, 0);
  });
  EXPECT_EQ(dialog->ShowModal(), toolkit::mrOk);
  sim::SetIdleHandler(nullptr);
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{1000, 2000, 3000}));
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(platform::IsWindowEnabled(form->Handle()));
  EXPECT_FALSE(dialog->Visible());
}

TEST_F(ModalTest, TheCloseBoxEndsTheLoopWithCancelUnlessOnCloseRefuses) {
  int refusals = 1;
  dialog->OnClose = [&](toolkit::TObject*, toolkit::TCloseAction& action) {
    if (refusals-- > 0) action = toolkit::TCloseAction::caNone;
  };
  int idles = 0;
  sim::SetIdleHandler([&] {
    ++idles;
    platform::PostMessageA(dialog->Handle(), platform::WmClose, 0, 0);
  });
  EXPECT_EQ(dialog->ShowModal(), toolkit::mrCancel);
  sim::SetIdleHandler(nullptr);
  EXPECT_EQ(idles, 2);
}

// Hidden while the main window was still disabled, the dialog would leave
// the activation to some other program, and with it the keyboard.
TEST_F(ModalTest, TheMainWindowIsEnabledAndActiveAgainBeforeTheDialogHides) {
  bool enabledAtHide = false;
  platform::Hwnd foregroundAtHide = 0;
  dialog->OnHide = [&](toolkit::TObject*) {
    enabledAtHide = platform::IsWindowEnabled(form->Handle());
    foregroundAtHide = platform::GetForegroundWindow();
  };
  sim::SetIdleHandler([&] { platform::PostMessageA(ok->Handle(), platform::BmClick, 0, 0); });
  EXPECT_EQ(dialog->ShowModal(), toolkit::mrOk);
  sim::SetIdleHandler(nullptr);
  EXPECT_TRUE(enabledAtHide);
  EXPECT_EQ(foregroundAtHide, form->Handle());
  EXPECT_EQ(platform::GetForegroundWindow(), form->Handle());
}

// While it is open a modal form belongs to the window that waits for it (the
// main form, or the application's window while that is hidden), as a modal
// dialog does: no taskbar button of its own, and bringing the program
// forward brings it along on top. It is no one's once it is closed.
TEST_F(ModalTest, AnOpenDialogIsOwnedByTheMainFormOrTheApplicationsWindow) {
  toolkit::TForm* main = nullptr;
  app->CreateForm(main);
  for (bool mainShown : {true, false}) {
    SCOPED_TRACE(mainShown ? "main form shown" : "main form hidden");
    mainShown ? main->Show() : main->Hide();
    const platform::Hwnd owner = mainShown ? main->Handle() : app->Handle();
    std::intptr_t ownerWhileOpen = 0, exStyle = 0;
    platform::Hwnd topAfterActivation = 0;
    sim::SetIdleHandler([&] {
      ownerWhileOpen = platform::GetWindowLongA(dialog->Handle(), platform::GwlHwndParent);
      exStyle = platform::GetWindowLongA(dialog->Handle(), platform::GwlExStyle);
      platform::SetForegroundWindow(owner);
      topAfterActivation = platform::FindWindowA(nullptr, nullptr);
      dialog->Close();
    });
    dialog->ShowModal();
    sim::SetIdleHandler(nullptr);
    EXPECT_EQ(ownerWhileOpen, static_cast<std::intptr_t>(owner));
    EXPECT_EQ(exStyle & platform::WsExAppWindow, 0);
    EXPECT_EQ(topAfterActivation, dialog->Handle());
    EXPECT_EQ(platform::GetWindowLongA(dialog->Handle(), platform::GwlHwndParent), 0);
  }
}

TEST_F(ModalTest, AVisibleFormCannotBeShownModally) {
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), toolkit::EInvalidOperation);
}

}  // namespace
