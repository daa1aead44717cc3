#include "shell/LayoutClasses.h"

#include "shell/SpinEdit.h"
#include "toolkit/forms/Layout.h"

namespace muralto {

void RegisterShellLayoutClasses() {
  vcl::RegisterLayoutClass(
      "TCSpinEdit", [](vcl::TComponent* owner) -> vcl::TComponent* { return vcl::TComponent::Create<TCSpinEdit>(owner); },
      [](vcl::TComponent* component, const vcl::TLayoutEntry::Setting& s, const vcl::TLayoutHandlers&) {
        auto* edit = dynamic_cast<TCSpinEdit*>(component);
        if (!edit) return false;
        if (s.property == "MinValue") {
          edit->SetMinValue(vcl::LayoutInt(s, 0));
        } else if (s.property == "MaxValue") {
          edit->SetMaxValue(vcl::LayoutInt(s, 0));
        } else if (s.property == "Increment") {
          edit->SetIncrement(vcl::LayoutInt(s, 0));
        } else if (s.property == "Value") {
          edit->SetValue(vcl::LayoutInt(s, 0));
        } else if (s.property == "EditorEnabled") {
          edit->SetEditorEnabled(vcl::LayoutBool(s));
        } else {
          return false;
        }
        return true;
      });
}

}  // namespace muralto
