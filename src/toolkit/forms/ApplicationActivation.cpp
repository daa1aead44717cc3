// Which of the program's windows the user works with, and how the hidden
// application window hands its activation on to it.
#include <algorithm>

#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"

namespace toolkit {

void TApplication::ModalOpened(TForm* form) { modalForms_.push_back(form); }

void TApplication::ModalClosed(TForm* form) {
  modalForms_.erase(std::remove(modalForms_.begin(), modalForms_.end(), form), modalForms_.end());
}

platform::Hwnd TApplication::ActiveFormHandle() const {
  auto shown = [](TForm* form) {
    return form && form->HandleAllocated() && platform::IsWindowVisible(form->Handle()) &&
           !platform::IsIconic(form->Handle());
  };
  for (auto it = modalForms_.rbegin(); it != modalForms_.rend(); ++it) {
    if (shown(*it)) return (*it)->Handle();
  }
  return shown(mainForm_) ? mainForm_->Handle() : 0;
}

platform::Hwnd TApplication::FrontWindow() const {
  const platform::Hwnd form = ActiveFormHandle();
  if (!form) return 0;
  // A box over a box belongs to the one in front: the one below gets the
  // activation back when it closes, not the window both wait on.
  const platform::Hwnd popup = platform::GetLastActivePopup(form);
  const bool showing =
      popup && popup != handle_ && platform::IsWindowVisible(popup) && platform::IsWindowEnabled(popup);
  return showing ? popup : form;
}

void TApplication::HandActivationOn() {
  const platform::Hwnd target = FrontWindow();
  if (!target) return;  // a copy hidden in the tray or started hidden stays hidden
  // The shown main window comes up with what it owns, so that a dialog or
  // box does not come forward alone with the window it belongs to left
  // behind another program's.
  if (TForm* main = mainForm_;
      main && main->HandleAllocated() && main->Handle() != target && platform::IsWindowVisible(main->Handle())) {
    platform::SetWindowPos(main->Handle(), platform::HwndTop, 0, 0, 0, 0,
                           platform::SwpNoMove | platform::SwpNoSize | platform::SwpNoActivate);
  }
  platform::SetForegroundWindow(target);
}

void TApplication::Activated() {
  // Only while the hidden window still holds the foreground: by now the
  // user may have gone on to another program.
  if (activationHolds_ == 0 && platform::GetForegroundWindow() == handle_) HandActivationOn();
}

}  // namespace toolkit
