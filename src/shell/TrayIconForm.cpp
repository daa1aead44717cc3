// The owner form's hook: the start-up hide, the minimise and close
// diversion into the notification area, and bringing the form back.
#include "shell/TrayIcon.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"

namespace muralto {

toolkit::TForm* TStCustomTrayIcon::OwnerForm() const { return dynamic_cast<toolkit::TForm*>(Owner()); }

platform::Hwnd TStCustomTrayIcon::ApplicationWindow() const {
  toolkit::TApplication* app = toolkit::Application();
  return app ? app->Handle() : 0;
}

void TStCustomTrayIcon::HookForm(bool install) {
  if (!install || Designing() || InState(toolkit::csDestroying) || formHook_.Installed() || formCreated_.Joined())
    return;
  toolkit::TForm* form = OwnerForm();
  if (!form) return;
  if (!form->HandleAllocated()) {
    // The form makes its window once its set-up is done; making it here
    // would show it to other programs half set up. The hook goes in as
    // soon as the window exists, before any message can reach it.
    formCreated_ = form->OnWindowCreated.Join([this](toolkit::TObject*) {
      formCreated_.Leave();
      HookForm(true);
    });
    return;
  }
  platform::Hwnd window = form->Handle();
  formHook_.Install(window, [this, window](std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam) {
    return AppWndProc(window, msg, wParam, lParam);
  });
}

void TStCustomTrayIcon::UnhookForm() {
  formCreated_.Leave();
  formHook_.Remove();
}

platform::Lresult TStCustomTrayIcon::AppWndProc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                                platform::Lparam lParam) {
  toolkit::TForm* form = OwnerForm();
  if (msg == platform::WmWindowPosChanged && startupPassCount_ < 2 && form) {
    // A form that starts minimised goes straight into the notification area.
    if (form->WindowState() == toolkit::TWindowState::wsMinimized) {
      try {
        platform::ShowWindow(ApplicationWindow(), platform::SwHide);
        platform::ShowWindow(window, platform::SwHide);
      } catch (...) {
        // Hiding sends only messages whose window procedures catch their own
        // failures, so nothing is expected here; should anything come through,
        // a minimised start that stays on the taskbar is not worth a failure
        // box before the program is up, and nothing may leave this procedure.
      }
      ++startupPassCount_;
    } else {
      startupPassCount_ = 2;
    }
  }
  if (msg == platform::WmSysCommand && wParam == platform::ScMinimize && OnMinimize) {
    try {
      OnMinimize(this);
    } catch (...) {
      toolkit::HandleCurrentException();
    }
  }
  if (msg == platform::WmSysCommand && active_ &&
      ((wParam == platform::ScMinimize && minimizeToTray_) || (wParam == platform::ScClose && closeToTray_))) {
    try {
      // Without an icon there would be no way back: the window stays.
      AddToTray();
      platform::ShowWindow(ApplicationWindow(), platform::SwHide);
      if (form) form->Hide();
    } catch (...) {
      toolkit::HandleCurrentException();
    }
    return 0;
  }
  return formHook_.CallNext(msg, wParam, lParam);
}

void TStCustomTrayIcon::DoRestore() {
  toolkit::Fire(OnRestore, this);
  toolkit::TForm* form = OwnerForm();
  toolkit::TApplication* app = toolkit::Application();
  if (form) {
    if (form->WindowState() == toolkit::TWindowState::wsMinimized && startupPassCount_ >= 2) {
      form->SetWindowState(toolkit::TWindowState::wsNormal);
    }
    form->Show();
    platform::SetForegroundWindow(form->Handle());
  }
  // The library's application window is a hidden stand-in; the form's own
  // window carries the taskbar button, which showing the form brought back.
  // Showing the stand-in too would add a second, empty button, and bringing
  // it to the top would make the hidden window the active one.
  if (app) app->Restore();
  if (form) platform::BringWindowToTop(form->Handle());
  if (hideOnRestore_) DeleteFromTray();
}

void TStCustomTrayIcon::MinimizeApplication() {
  toolkit::TApplication* app = toolkit::Application();
  if (!app || !app->MainForm()) return;
  platform::PostMessageA(app->MainForm()->Handle(), platform::WmSysCommand, platform::ScMinimize, 0);
}

}  // namespace muralto
