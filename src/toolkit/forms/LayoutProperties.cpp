#include "toolkit/forms/LayoutProperties.h"

#include "toolkit/controls/Button.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/forms/Layout.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/forms/Timer.h"

namespace toolkit {

namespace {

using S = TLayoutEntry::Setting;
using H = TLayoutHandlers;

void SetText(TControl* c, const S& s, const H&) {
  LayoutNeed(s, 1);
  c->SetText(s.values[0]);
}

TBevelCut BevelCut(const S& s) {
  LayoutNeed(s, 1);
  const std::string& v = s.values[0];
  return v == "lowered" ? TBevelCut::bvLowered : v == "raised" ? TBevelCut::bvRaised : TBevelCut::bvNone;
}

void RegisterControls() {
  RegisterLayoutProperties<TControl>(
      "TControl", "",
      {
          {"Bounds",
           [](TControl* c, const S& s, const H&) {
             c->SetBounds(LayoutInt(s, 0), LayoutInt(s, 1), LayoutInt(s, 2), LayoutInt(s, 3));
           }},
          {"Caption", SetText},
          {"Text", SetText},
          {"Visible", [](TControl* c, const S& s, const H&) { c->SetVisible(LayoutBool(s)); }},
          {"Enabled", [](TControl* c, const S& s, const H&) { c->SetEnabled(LayoutBool(s)); }},
          {"Font",
           [](TControl* c, const S& s, const H&) {
             LayoutNeed(s, 2);
             TFont font = c->Font();
             font.Name = s.values[0];
             font.Height = LayoutInt(s, 1);
             for (std::size_t i = 2; i < s.values.size(); ++i) {
               if (s.values[i] == "bold")
                 font.Bold = true;
               else if (s.values[i] == "underline")
                 font.Underline = true;
               else
                 LayoutFail(s.line, "unknown font style '" + s.values[i] + "'");
             }
             c->SetFont(font);
           }},
          {"FontColor",
           [](TControl* c, const S& s, const H&) {
             TFont font = c->Font();
             font.Color = LayoutInt(s, 0);
             c->SetFont(font);
           }},
          // Every control paints in its own colour.
          {"ParentColor", [](TControl*, const S& s, const H&) { LayoutBool(s); }},
          {"Cursor",
           [](TControl* c, const S& s, const H&) {
             LayoutNeed(s, 1);
             c->SetCursor(s.values[0] == "hand" ? TCursor::crHandPoint : TCursor::crDefault);
           }},
          {"OnClick", [](TControl* c, const S& s, const H& h) { c->OnClick = h.Find<TNotifyEvent>(s); }},
          {"OnMouseDown", [](TControl* c, const S& s, const H& h) { c->OnMouseDown = h.Find<TMouseEvent>(s); }},
          {"OnMouseUp", [](TControl* c, const S& s, const H& h) { c->OnMouseUp = h.Find<TMouseEvent>(s); }},
          {"OnMouseMove", [](TControl* c, const S& s, const H& h) { c->OnMouseMove = h.Find<TMouseMoveEvent>(s); }},
      });
  RegisterLayoutProperties<TWinControl>(
      "TWinControl", "TControl",
      {
          {"TabOrder", [](TWinControl* c, const S& s, const H&) { c->SetTabOrder(LayoutInt(s, 0)); }},
          {"TabStop", [](TWinControl* c, const S& s, const H&) { c->SetTabStop(LayoutBool(s)); }},
          {"OnKeyDown", [](TWinControl* c, const S& s, const H& h) { c->OnKeyDown = h.Find<TKeyEvent>(s); }},
          {"OnEnter", [](TWinControl* c, const S& s, const H& h) { c->OnEnter = h.Find<TNotifyEvent>(s); }},
          {"OnExit", [](TWinControl* c, const S& s, const H& h) { c->OnExit = h.Find<TNotifyEvent>(s); }},
      });
  RegisterLayoutClass<TButton>(
      "TButton", "TWinControl",
      {
          {"Default", [](TButton* b, const S& s, const H&) { b->SetDefault(LayoutBool(s)); }},
          {"Cancel", [](TButton* b, const S& s, const H&) { b->SetCancel(LayoutBool(s)); }},
          {"ModalResult", [](TButton* b, const S& s, const H&) { b->SetModalResult(LayoutInt(s, 0)); }},
      });
  RegisterLayoutClass<TGroupBox>("TGroupBox", "TWinControl", {});
  RegisterLayoutClass<TRadioGroup>(
      "TRadioGroup", "TGroupBox",
      {
          {"Items", [](TRadioGroup* r, const S& s, const H&) { r->SetItems(s.values); }},
          {"ItemIndex", [](TRadioGroup* r, const S& s, const H&) { r->SetItemIndex(LayoutInt(s, 0)); }},
      });
  RegisterLayoutClass<TListView>(
      "TListView", "TWinControl",
      {
          {"Column",
           [](TListView* l, const S& s, const H&) {
             LayoutNeed(s, 2);
             l->SetColumn(s.values[0], LayoutInt(s, 1));
           }},
          {"Checkboxes", [](TListView* l, const S& s, const H&) { l->SetCheckboxes(LayoutBool(s)); }},
          {"MultiSelect", [](TListView* l, const S& s, const H&) { l->SetMultiSelect(LayoutBool(s)); }},
          {"ReadOnly", [](TListView* l, const S& s, const H&) { l->SetReadOnly(LayoutBool(s)); }},
      });
  RegisterLayoutClass<TEdit>(
      "TEdit", "TWinControl",
      {
          {"ReadOnly", [](TEdit* e, const S& s, const H&) { e->SetReadOnly(LayoutBool(s)); }},
          {"AutoSelect", [](TEdit* e, const S& s, const H&) { e->SetAutoSelect(LayoutBool(s)); }},
          {"OnChange", [](TEdit* e, const S& s, const H& h) { e->OnChange = h.Find<TNotifyEvent>(s); }},
      });
  RegisterLayoutClass<TLabel>("TLabel", "TWinControl",
                              {
                                  {"AutoSize", [](TLabel* l, const S& s, const H&) { l->SetAutoSize(LayoutBool(s)); }},
                                  {"WordWrap", [](TLabel* l, const S& s, const H&) { l->SetWordWrap(LayoutBool(s)); }},
                              });
  RegisterLayoutClass<TImage>("TImage", "TWinControl",
                              {
                                  {"Picture",
                                   [](TImage* image, const S& s, const H&) {
                                     LayoutNeed(s, 1);
                                     image->SetPicture(platform::LoadIconA(s.values[0].c_str()));
                                   }},
                              });
  RegisterLayoutClass<TCheckBox>(
      "TCheckBox", "TWinControl",
      {
          {"Checked", [](TCheckBox* c, const S& s, const H&) { c->SetChecked(LayoutBool(s)); }},
      });
  RegisterLayoutClass<TPanel>(
      "TPanel", "TWinControl",
      {
          {"BevelOuter", [](TPanel* p, const S& s, const H&) { p->SetBevelOuter(BevelCut(s)); }},
          {"BevelInner", [](TPanel* p, const S& s, const H&) { p->SetBevelInner(BevelCut(s)); }},
      });
  RegisterLayoutClass<TStatusBar>("TStatusBar", "TWinControl", {});
}

void SetBorderStyle(TForm* form, const S& s, const H&) {
  LayoutNeed(s, 1);
  const std::string& v = s.values[0];
  if (v == "single")
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
  else if (v == "dialog")
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
  else
    LayoutFail(s.line, "unknown border '" + v + "'");
}

void SetBorderIcons(TForm* form, const S& s, const H&) {
  unsigned icons = 0;
  for (const std::string& v : s.values) {
    if (v == "systemmenu")
      icons |= biSystemMenu;
    else if (v == "minimize")
      icons |= biMinimize;
    else if (v == "maximize")
      icons |= biMaximize;
    else
      LayoutFail(s.line, "unknown border icon '" + v + "'");
  }
  form->SetBorderIcons(icons);
}

void SetMenu(TForm* form, const S& s, const H&) {
  LayoutNeed(s, 1);
  auto* menu = dynamic_cast<TMainMenu*>(form->FindComponent(s.values[0]));
  if (!menu) LayoutFail(s.line, "no main menu '" + s.values[0] + "'");
  form->SetMenu(menu);
}

void RegisterForms() {
  RegisterLayoutProperties<TForm>(
      "TForm", "TWinControl",
      {
          {"ClientSize", [](TForm* f, const S& s, const H&) { f->SetClientSize(LayoutInt(s, 0), LayoutInt(s, 1)); }},
          {"BorderStyle", SetBorderStyle},
          {"BorderIcons", SetBorderIcons},
          {"Position",
           [](TForm* f, const S& s, const H&) {
             LayoutNeed(s, 1);
             f->SetPosition(s.values[0] == "screencenter" ? TPosition::poScreenCenter : TPosition::poDesigned);
           }},
          {"Icon",
           [](TForm* f, const S& s, const H&) {
             LayoutNeed(s, 1);
             f->SetIconResource(s.values[0]);
           }},
          {"Menu", SetMenu},
          {"KeyPreview", [](TForm* f, const S& s, const H&) { f->SetKeyPreview(LayoutBool(s)); }},
          {"OnCreate", [](TForm* f, const S& s, const H& h) { f->OnCreate = h.Find<TNotifyEvent>(s); }},
          {"OnShow", [](TForm* f, const S& s, const H& h) { f->OnShow = h.Find<TNotifyEvent>(s); }},
          {"OnClose", [](TForm* f, const S& s, const H& h) { f->OnClose = h.Find<TCloseEvent>(s); }},
      });
  RegisterLayoutClass<TTimer>(
      "TTimer", "",
      {
          {"Enabled", [](TTimer* t, const S& s, const H&) { t->SetEnabled(LayoutBool(s)); }},
          {"Interval",
           [](TTimer* t, const S& s, const H&) { t->SetInterval(static_cast<std::uint32_t>(LayoutInt(s, 0))); }},
          {"OnTimer", [](TTimer* t, const S& s, const H& h) { t->SetOnTimer(h.Find<TNotifyEvent>(s)); }},
      });
  RegisterLayoutClass<TMainMenu>("TMainMenu", "", {});
  RegisterLayoutClass<TPopupMenu>("TPopupMenu", "", {});
  RegisterLayoutClass<TMenuItem>(
      "TMenuItem", "",
      {
          {"Caption",
           [](TMenuItem* m, const S& s, const H&) {
             LayoutNeed(s, 1);
             m->SetCaption(s.values[0]);
           }},
          {"Checked", [](TMenuItem* m, const S& s, const H&) { m->SetChecked(LayoutBool(s)); }},
          {"Enabled", [](TMenuItem* m, const S& s, const H&) { m->SetEnabled(LayoutBool(s)); }},
          {"OnClick", [](TMenuItem* m, const S& s, const H& h) { m->OnClick = h.Find<TNotifyEvent>(s); }},
      });
}

}  // namespace

void RegisterToolkitLayoutClasses() {
  RegisterControls();
  RegisterForms();
}

}  // namespace toolkit
