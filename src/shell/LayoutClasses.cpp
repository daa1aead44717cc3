#include "shell/LayoutClasses.h"

#include "shell/DropFiles.h"
#include "shell/SpinEdit.h"
#include "shell/TrayIcon.h"
#include "shell/WinXP.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Layout.h"
#include "toolkit/forms/Menus.h"

namespace muralto {

namespace {

bool ApplyTrayIcon(vcl::TComponent* component, const vcl::TLayoutEntry::Setting& s) {
  auto* icon = dynamic_cast<TStCustomTrayIcon*>(component);
  if (!icon || s.values.empty()) return false;
  const std::string& p = s.property;
  if (p == "Active") {
    icon->SetActive(vcl::LayoutBool(s));
  } else if (p == "CloseToTray") {
    icon->SetCloseToTray(vcl::LayoutBool(s));
  } else if (p == "MinimizeToTray") {
    icon->SetMinimizeToTray(vcl::LayoutBool(s));
  } else if (p == "HideOnRestore") {
    icon->SetHideOnRestore(vcl::LayoutBool(s));
  } else if (p == "ShowHint") {
    icon->SetShowHint(vcl::LayoutBool(s));
  } else if (p == "Hint") {
    icon->SetHint(s.values[0]);
  } else if (p == "Interval") {
    icon->SetInterval(static_cast<std::uint32_t>(vcl::LayoutInt(s, 0)));
  } else if (p == "Icon") {
    icon->SetIcon(platform::LoadIconA(s.values[0].c_str()));
  } else if (p == "PopupMenu") {
    // The menu's block comes before the icon's.
    auto* menu = icon->Owner() ? dynamic_cast<vcl::TPopupMenu*>(icon->Owner()->FindComponent(s.values[0])) : nullptr;
    if (!menu) return false;
    icon->SetPopupMenu(menu);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void RegisterShellLayoutClasses() {
  vcl::RegisterLayoutClass(
      "TStTrayIcon",
      [](vcl::TComponent* owner) -> vcl::TComponent* { return vcl::TComponent::Create<TStTrayIcon>(owner); },
      [](vcl::TComponent* component, const vcl::TLayoutEntry::Setting& s, const vcl::TLayoutHandlers&) {
        return ApplyTrayIcon(component, s);
      });
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
  // The visual-styles marker has nothing to set.
  vcl::RegisterLayoutClass("TWinXP",
                           [](vcl::TComponent* owner) -> vcl::TComponent* { return vcl::TComponent::Create<TWinXP>(owner); });
}

}  // namespace muralto
