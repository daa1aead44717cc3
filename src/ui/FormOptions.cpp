#include "ui/FormOptions.h"

#include <string>

#include "resources/layouts/Layouts.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/forms/Layout.h"

namespace muralto {

TFormOptions::TFormOptions(toolkit::TComponent* owner) : toolkit::TForm(owner) {
  toolkit::LoadLayout(
      this, LayoutText("options"),
      {
          {"CheckBoxAutoStartClick", toolkit::LayoutMethod(this, &TFormOptions::CheckBoxAutoStartClick)},
          {"cbTrayClick", toolkit::LayoutMethod(this, &TFormOptions::cbTrayClick)},
      });
  CheckBoxAutoStart = toolkit::LayoutComponent<toolkit::TCheckBox>(this, "CheckBoxAutoStart");
  cbTray = toolkit::LayoutComponent<toolkit::TCheckBox>(this, "cbTray");
}

void TFormOptions::CheckBoxAutoStartClick(toolkit::TObject*) {
  if (!host_) return;
  host_->SetAutoStartSetting(CheckBoxAutoStart->Checked());
  // A refused Run value ends the click here: the switch has changed in
  // memory, but the settings file keeps what it had.
  host_->UpdateAutoStart();
  host_->SaveMainSettings();
}

void TFormOptions::cbTrayClick(toolkit::TObject*) {
  if (!host_) return;
  host_->SetShowTraySetting(cbTray->Checked());
  host_->SetTrayActive(cbTray->Checked());
}

}  // namespace muralto
