#include "ui/FormOptions.h"

#include <string>

#include "resources/layouts/Layouts.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/forms/Layout.h"

namespace muralto {

TFormOptions::TFormOptions(vcl::TComponent* owner) : vcl::TForm(owner) {
  vcl::LoadLayout(this, LayoutText("options"),
                  {
                      {"CheckBoxAutoStartClick", vcl::LayoutMethod(this, &TFormOptions::CheckBoxAutoStartClick)},
                      {"cbTrayClick", vcl::LayoutMethod(this, &TFormOptions::cbTrayClick)},
                  });
  CheckBoxAutoStart = vcl::LayoutComponent<vcl::TCheckBox>(this, "CheckBoxAutoStart");
  cbTray = vcl::LayoutComponent<vcl::TCheckBox>(this, "cbTray");
}

void TFormOptions::CheckBoxAutoStartClick(vcl::TObject*) {
  if (!host_) return;
  host_->SetAutoStartSetting(CheckBoxAutoStart->Checked());
  // A refused Run value ends the click here: the switch has changed in
  // memory, but the settings file keeps what it had.
  host_->UpdateAutoStart();
  host_->SaveMainSettings();
}

void TFormOptions::cbTrayClick(vcl::TObject*) {
  if (!host_) return;
  host_->SetShowTraySetting(cbTray->Checked());
  host_->SetTrayActive(cbTray->Checked());
}

}  // namespace muralto
