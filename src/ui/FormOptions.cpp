#include "ui/FormOptions.h"

#include <string>

#include "resources/layouts/Layouts.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Layout.h"

namespace muralto {

namespace {

vcl::TCheckBox* FindBox(TFormOptions* form, const char* name) {
  auto* box = dynamic_cast<vcl::TCheckBox*>(form->FindComponent(name));
  if (!box) throw vcl::EComponentError(std::string("The Options dialog's layout has no ") + name);
  return box;
}

}  // namespace

TFormOptions::TFormOptions(vcl::TComponent* owner) : vcl::TForm(owner) {
  vcl::TLayoutHandlers handlers;
  handlers.notify["CheckBoxAutoStartClick"] = [this](vcl::TObject* sender) { CheckBoxAutoStartClick(sender); };
  handlers.notify["cbTrayClick"] = [this](vcl::TObject* sender) { cbTrayClick(sender); };
  vcl::LoadLayout(this, LayoutText("options"), handlers);
  CheckBoxAutoStart = FindBox(this, "CheckBoxAutoStart");
  cbTray = FindBox(this, "cbTray");
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
