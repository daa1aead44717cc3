#include "shell/LayoutClasses.h"

#include "shell/DropFiles.h"
#include "shell/SpinEdit.h"
#include "shell/TrayIcon.h"
#include "shell/WinXP.h"
#include "toolkit/forms/Layout.h"
#include "toolkit/forms/Menus.h"

namespace muralto {

namespace {

using S = toolkit::TLayoutEntry::Setting;
using H = toolkit::TLayoutHandlers;

void SetPopupMenu(TStTrayIcon* icon, const S& s, const H&) {
  // The menu's block comes before the icon's.
  auto* menu = icon->Owner() && !s.values.empty()
                   ? dynamic_cast<toolkit::TPopupMenu*>(icon->Owner()->FindComponent(s.values[0]))
                   : nullptr;
  if (!menu) toolkit::LayoutNoSetting(icon, s);
  icon->SetPopupMenu(menu);
}

void SetDropTarget(TStDropFiles* drop, const S& s, const H&) {
  if (s.values.size() != 1) toolkit::LayoutNoSetting(drop, s);
  toolkit::TComponent* owner = drop->Owner();
  auto* target = dynamic_cast<toolkit::TWinControl*>(owner ? owner->FindComponent(s.values[0]) : nullptr);
  if (!target) toolkit::LayoutFail(s.line, "no windowed control '" + s.values[0] + "' above this line");
  drop->SetDropTarget(target);
}

// A tray icon's setting without a value is not one it has.
const std::string& Value(TStTrayIcon* icon, const S& s) {
  if (s.values.empty()) toolkit::LayoutNoSetting(icon, s);
  return s.values[0];
}

bool TrayBool(TStTrayIcon* icon, const S& s) {
  Value(icon, s);
  return toolkit::LayoutBool(s);
}

}  // namespace

void RegisterShellLayoutClasses() {
  toolkit::RegisterLayoutClass<TStTrayIcon>(
      "TStTrayIcon", "",
      {
          {"Active", [](TStTrayIcon* i, const S& s, const H&) { i->SetActive(TrayBool(i, s)); }},
          {"CloseToTray", [](TStTrayIcon* i, const S& s, const H&) { i->SetCloseToTray(TrayBool(i, s)); }},
          {"MinimizeToTray", [](TStTrayIcon* i, const S& s, const H&) { i->SetMinimizeToTray(TrayBool(i, s)); }},
          {"HideOnRestore", [](TStTrayIcon* i, const S& s, const H&) { i->SetHideOnRestore(TrayBool(i, s)); }},
          {"ShowHint", [](TStTrayIcon* i, const S& s, const H&) { i->SetShowHint(TrayBool(i, s)); }},
          {"Hint", [](TStTrayIcon* i, const S& s, const H&) { i->SetHint(Value(i, s)); }},
          {"Interval",
           [](TStTrayIcon* i, const S& s, const H&) {
             Value(i, s);
             i->SetInterval(static_cast<std::uint32_t>(toolkit::LayoutInt(s, 0)));
           }},
          {"Icon", [](TStTrayIcon* i, const S& s, const H&) { i->SetIcon(platform::LoadIconA(Value(i, s).c_str())); }},
          {"PopupMenu", SetPopupMenu},
      });
  toolkit::RegisterLayoutClass<TCSpinEdit>(
      "TCSpinEdit", "TEdit",
      {
          {"MinValue", [](TCSpinEdit* e, const S& s, const H&) { e->SetMinValue(toolkit::LayoutInt(s, 0)); }},
          {"MaxValue", [](TCSpinEdit* e, const S& s, const H&) { e->SetMaxValue(toolkit::LayoutInt(s, 0)); }},
          {"Increment", [](TCSpinEdit* e, const S& s, const H&) { e->SetIncrement(toolkit::LayoutInt(s, 0)); }},
          {"Value", [](TCSpinEdit* e, const S& s, const H&) { e->SetValue(toolkit::LayoutInt(s, 0)); }},
          {"EditorEnabled", [](TCSpinEdit* e, const S& s, const H&) { e->SetEditorEnabled(toolkit::LayoutBool(s)); }},
      });
  toolkit::RegisterLayoutClass<TStDropFiles>(
      "TStDropFiles", "",
      {
          {"DropTarget", SetDropTarget},
          {"Active", [](TStDropFiles* d, const S& s, const H&) { d->SetActive(toolkit::LayoutBool(s)); }},
          {"OnDropFiles",
           [](TStDropFiles* d, const S& s, const H& h) { d->OnDropFiles = h.Find<toolkit::TPointEvent>(s); }},
      });
  // The visual-styles marker has nothing to set.
  toolkit::RegisterLayoutClass<TWinXP>("TWinXP", "", {});
}

}  // namespace muralto
