#include "DemoForm.h"

#include <string>

#include "resources/layouts/Layouts.h"
#include "shell/SpinEdit.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Layout.h"

namespace demo {

namespace {
const char* const kNotifyHandlers[] = {"FormCreate",
                                       "ButtonStartClick",
                                       "ButtonAddClick",
                                       "RadioGroupPositionClick",
                                       "ListViewFoldersClick",
                                       "CSpinEditHourChange",
                                       "CSpinEditMinChange",
                                       "CSpinEditSecChange",
                                       "ButtonDeleteClick",
                                       "ButtonClearClick",
                                       "RadioGroupSelectionClick",
                                       "Timer1Timer",
                                       "PRestoreClick",
                                       "PMChangeClick",
                                       "PMShowIconsClick",
                                       "PMHideIconsClick",
                                       "PExitClick",
                                       "MExitClick",
                                       "MOptionsClick",
                                       "MLangEnglishClick",
                                       "MLangRussianClick",
                                       "MAboutClick"};
}  // namespace

TDemoForm::TDemoForm(toolkit::TComponent* owner) : toolkit::TForm(owner) {
  toolkit::TLayoutHandlers h;
  for (const char* name : kNotifyHandlers) h.Add(name, [](toolkit::TObject*) {});
  h.Add("StDropFiles1DropFiles", [](toolkit::TObject*, platform::Point) {});
  auto list = [this] { return static_cast<toolkit::TListView*>(FindComponent("ListViewFolders")); };
  auto addFolder = [list](const std::string& path, bool checked) {
    toolkit::TListItem* item = list()->Items().Add();
    item->SetCaption(path);
    item->SetChecked(checked);
  };
  h.Add("FormCreate", [addFolder](toolkit::TObject*) {
    addFolder("C:\\Pictures\\Holidays", true);
    addFolder("C:\\Pictures\\Mountains", true);
    addFolder("D:\\Photos\\2003", false);
  });
  h.Add("ButtonAddClick", [this, addFolder](toolkit::TObject*) {
    addFolder("C:\\Pictures\\New folder " + std::to_string(++added_), true);
  });
  h.Add("ButtonDeleteClick", [list](toolkit::TObject*) {
    for (int i = list()->Items().Count() - 1; i >= 0; --i) {
      if (list()->Items().Item(i)->Selected()) list()->Items().Delete(i);
    }
  });
  h.Add("ButtonClearClick", [list](toolkit::TObject*) { list()->Items().Clear(); });
  h.Add("ButtonStartClick", [this](toolkit::TObject*) {
    running_ = !running_;
    static_cast<toolkit::TButton*>(FindComponent("ButtonStart"))->SetCaption(running_ ? "Stop" : "Start");
  });
  h.Add("MExitClick", [this](toolkit::TObject*) { Close(); });
  h.Add("PExitClick", [this](toolkit::TObject*) { Close(); });
  h.Add("MAboutClick", [](toolkit::TObject*) { toolkit::ShowMessage("Muralto 1.2 controls"); });
  h.Add("FormClose", [](toolkit::TObject*, toolkit::TCloseAction&) {});
  h.Add("FormKeyDown", [this](toolkit::TObject*, std::uint16_t& key, toolkit::TShiftState) {
    if (key == 27) Close();
  });
  toolkit::LoadLayout(this, muralto::LayoutText("main"), h);
  static_cast<muralto::TCSpinEdit*>(FindComponent("CSpinEditHour"))->SetValue(1);
}

}  // namespace demo
