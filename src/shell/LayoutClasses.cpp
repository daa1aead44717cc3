#include "shell/LayoutClasses.h"

#include "shell/DropFiles.h"
#include "shell/SpinEdit.h"
#include "toolkit/core/Exceptions.h"
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
  vcl::RegisterLayoutClass(
      "TStDropFiles",
      [](vcl::TComponent* owner) -> vcl::TComponent* { return vcl::TComponent::Create<TStDropFiles>(owner); },
      [](vcl::TComponent* component, const vcl::TLayoutEntry::Setting& s, const vcl::TLayoutHandlers& handlers) {
        auto* drop = dynamic_cast<TStDropFiles*>(component);
        if (!drop) return false;
        if (s.property == "DropTarget" && s.values.size() == 1) {
          vcl::TComponent* owner = drop->Owner();
          auto* target = dynamic_cast<vcl::TWinControl*>(owner ? owner->FindComponent(s.values[0]) : nullptr);
          if (!target) {
            throw vcl::Exception("Layout line " + std::to_string(s.line) + ": no windowed control '" + s.values[0] +
                                 "' above this line");
          }
          drop->SetDropTarget(target);
        } else if (s.property == "Active") {
          drop->SetActive(vcl::LayoutBool(s));
        } else if (s.property == "OnDropFiles") {
          drop->OnDropFiles = vcl::LayoutPointHandler(s, handlers);
        } else {
          return false;
        }
        return true;
      });
}

}  // namespace muralto
