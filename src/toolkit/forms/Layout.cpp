#include "toolkit/forms/Layout.h"

#include <cctype>
#include <optional>

#include "toolkit/controls/Button.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/controls/GroupBox.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/controls/Panel.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/forms/Timer.h"

namespace vcl {

namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
  throw Exception("Layout line " + std::to_string(line) + ": " + what);
}

std::vector<std::string> Tokens(std::string_view line, int number) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (std::isspace(static_cast<unsigned char>(line[i]))) {
      ++i;
      continue;
    }
    std::string token;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size()) c = line[i++];
        token += c;
      }
      if (!closed) Fail(number, "unterminated text");
    } else {
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) token += line[i++];
    }
    tokens.push_back(token);
  }
  return tokens;
}

struct ClassInfo {
  TComponentFactory factory;
  TPropertySetter setter;
};

template <class T>
TComponentFactory Factory() {
  return [](TComponent* owner) -> TComponent* { return TComponent::Create<T>(owner); };
}

std::map<std::string, ClassInfo>& Classes() {
  static std::map<std::string, ClassInfo> classes = {
      {"TButton", {Factory<TButton>(), {}}},       {"TLabel", {Factory<TLabel>(), {}}},
      {"TGroupBox", {Factory<TGroupBox>(), {}}},   {"TRadioGroup", {Factory<TRadioGroup>(), {}}},
      {"TPanel", {Factory<TPanel>(), {}}},         {"TImage", {Factory<TImage>(), {}}},
      {"TCheckBox", {Factory<TCheckBox>(), {}}},   {"TStatusBar", {Factory<TStatusBar>(), {}}},
      {"TListView", {Factory<TListView>(), {}}},   {"TEdit", {Factory<TEdit>(), {}}},
      {"TTimer", {Factory<TTimer>(), {}}},         {"TMainMenu", {Factory<TMainMenu>(), {}}},
      {"TPopupMenu", {Factory<TPopupMenu>(), {}}}, {"TMenuItem", {Factory<TMenuItem>(), {}}},
  };
  return classes;
}

void Need(const TLayoutEntry::Setting& s, std::size_t count) {
  if (s.values.size() < count) Fail(s.line, "'" + s.property + "' needs " + std::to_string(count) + " value(s)");
}

template <class Event>
Event Handler(const std::map<std::string, Event>& map, const TLayoutEntry::Setting& s) {
  Need(s, 1);
  auto it = map.find(s.values[0]);
  if (it == map.end()) Fail(s.line, "no handler '" + s.values[0] + "'");
  return it->second;
}

bool ApplyForm(TForm* form, const TLayoutEntry::Setting& s, const TLayoutHandlers& handlers) {
  const std::string& p = s.property;
  if (p == "ClientSize") {
    form->SetClientSize(LayoutInt(s, 0), LayoutInt(s, 1));
  } else if (p == "BorderStyle") {
    Need(s, 1);
    const std::string& v = s.values[0];
    if (v == "single") form->SetBorderStyle(TFormBorderStyle::bsSingle);
    else if (v == "dialog") form->SetBorderStyle(TFormBorderStyle::bsDialog);
    else if (v == "sizeable") form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    else if (v == "none") form->SetBorderStyle(TFormBorderStyle::bsNone);
    else Fail(s.line, "unknown border '" + v + "'");
  } else if (p == "BorderIcons") {
    unsigned icons = 0;
    for (const std::string& v : s.values) {
      if (v == "systemmenu") icons |= biSystemMenu;
      else if (v == "minimize") icons |= biMinimize;
      else if (v == "maximize") icons |= biMaximize;
      else Fail(s.line, "unknown border icon '" + v + "'");
    }
    form->SetBorderIcons(icons);
  } else if (p == "Position") {
    Need(s, 1);
    form->SetPosition(s.values[0] == "screencenter" ? TPosition::poScreenCenter : TPosition::poDesigned);
  } else if (p == "Icon") {
    Need(s, 1);
    form->SetIcon(platform::LoadIconA(s.values[0].c_str()));
  } else if (p == "Menu") {
    Need(s, 1);
    auto* menu = dynamic_cast<TMainMenu*>(form->FindComponent(s.values[0]));
    if (!menu) Fail(s.line, "no main menu '" + s.values[0] + "'");
    form->SetMenu(menu);
  } else if (p == "KeyPreview") {
    form->SetKeyPreview(LayoutBool(s));
  } else if (p == "OnCreate") {
    form->OnCreate = Handler(handlers.notify, s);
  } else if (p == "OnShow") {
    form->OnShow = Handler(handlers.notify, s);
  } else if (p == "OnClose") {
    form->OnClose = Handler(handlers.close, s);
  } else {
    return false;
  }
  return true;
}

bool ApplyControl(TControl* c, const TLayoutEntry::Setting& s, const TLayoutHandlers& handlers) {
  const std::string& p = s.property;
  auto* win = dynamic_cast<TWinControl*>(c);
  if (p == "Bounds") {
    c->SetBounds(LayoutInt(s, 0), LayoutInt(s, 1), LayoutInt(s, 2), LayoutInt(s, 3));
  } else if (p == "Caption" || p == "Text") {
    Need(s, 1);
    c->SetText(s.values[0]);
  } else if (p == "Visible") {
    c->SetVisible(LayoutBool(s));
  } else if (p == "Enabled") {
    c->SetEnabled(LayoutBool(s));
  } else if (p == "Font") {
    Need(s, 2);
    TFont font = c->Font();
    font.Name = s.values[0];
    font.Height = LayoutInt(s, 1);
    for (std::size_t i = 2; i < s.values.size(); ++i) {
      if (s.values[i] == "bold") font.Bold = true;
      else if (s.values[i] == "underline") font.Underline = true;
      else Fail(s.line, "unknown font style '" + s.values[i] + "'");
    }
    c->SetFont(font);
  } else if (p == "FontColor") {
    TFont font = c->Font();
    font.Color = LayoutInt(s, 0);
    c->SetFont(font);
  } else if (p == "ParentColor") {
    LayoutBool(s);  // every control paints in its own colour
  } else if (p == "Cursor") {
    Need(s, 1);
    c->SetCursor(s.values[0] == "hand" ? TCursor::crHandPoint : TCursor::crDefault);
  } else if (p == "OnClick") {
    c->OnClick = Handler(handlers.notify, s);
  } else if (p == "OnMouseDown") {
    c->OnMouseDown = Handler(handlers.mouse, s);
  } else if (p == "OnMouseUp") {
    c->OnMouseUp = Handler(handlers.mouse, s);
  } else if (p == "OnMouseMove") {
    c->OnMouseMove = Handler(handlers.mouseMove, s);
  } else if (win && p == "TabOrder") {
    win->SetTabOrder(LayoutInt(s, 0));
  } else if (win && p == "TabStop") {
    win->SetTabStop(LayoutBool(s));
  } else if (win && p == "OnKeyDown") {
    win->OnKeyDown = Handler(handlers.key, s);
  } else if (win && p == "OnEnter") {
    win->OnEnter = Handler(handlers.notify, s);
  } else if (win && p == "OnExit") {
    win->OnExit = Handler(handlers.notify, s);
  } else {
    return false;
  }
  return true;
}

bool ApplyKind(TComponent* component, const TLayoutEntry::Setting& s, const TLayoutHandlers& handlers) {
  const std::string& p = s.property;
  if (auto* b = dynamic_cast<TButton*>(component)) {
    if (p == "Default") b->SetDefault(LayoutBool(s));
    else if (p == "Cancel") b->SetCancel(LayoutBool(s));
    else if (p == "ModalResult") b->SetModalResult(LayoutInt(s, 0));
    else return false;
    return true;
  }
  if (auto* r = dynamic_cast<TRadioGroup*>(component)) {
    if (p == "Items") r->SetItems(s.values);
    else if (p == "ItemIndex") r->SetItemIndex(LayoutInt(s, 0));
    else return false;
    return true;
  }
  if (auto* l = dynamic_cast<TListView*>(component)) {
    if (p == "Column") {
      Need(s, 2);
      l->SetColumn(s.values[0], LayoutInt(s, 1));
    } else if (p == "Checkboxes") l->SetCheckboxes(LayoutBool(s));
    else if (p == "MultiSelect") l->SetMultiSelect(LayoutBool(s));
    else if (p == "ReadOnly") l->SetReadOnly(LayoutBool(s));
    else return false;
    return true;
  }
  if (auto* e = dynamic_cast<TEdit*>(component)) {
    if (p == "ReadOnly") e->SetReadOnly(LayoutBool(s));
    else if (p == "AutoSelect") e->SetAutoSelect(LayoutBool(s));
    else if (p == "OnChange") e->OnChange = Handler(handlers.notify, s);
    else return false;
    return true;
  }
  if (auto* l = dynamic_cast<TLabel*>(component)) {
    if (p == "AutoSize") l->SetAutoSize(LayoutBool(s));
    else if (p == "WordWrap") l->SetWordWrap(LayoutBool(s));
    else return false;
    return true;
  }
  if (auto* image = dynamic_cast<TImage*>(component)) {
    if (p != "Picture") return false;
    Need(s, 1);
    image->SetPicture(platform::LoadIconA(s.values[0].c_str()));
    return true;
  }
  if (auto* c = dynamic_cast<TCheckBox*>(component)) {
    if (p == "Checked") c->SetChecked(LayoutBool(s));
    else return false;
    return true;
  }
  if (auto* pn = dynamic_cast<TPanel*>(component)) {
    auto cut = [&](const std::string& v) {
      return v == "lowered" ? TBevelCut::bvLowered : v == "raised" ? TBevelCut::bvRaised : TBevelCut::bvNone;
    };
    Need(s, 1);
    if (p == "BevelOuter") pn->SetBevelOuter(cut(s.values[0]));
    else if (p == "BevelInner") pn->SetBevelInner(cut(s.values[0]));
    else return false;
    return true;
  }
  if (auto* t = dynamic_cast<TTimer*>(component)) {
    if (p == "Enabled") t->SetEnabled(LayoutBool(s));
    else if (p == "Interval") t->SetInterval(static_cast<std::uint32_t>(LayoutInt(s, 0)));
    else if (p == "OnTimer") t->SetOnTimer(Handler(handlers.notify, s));
    else return false;
    return true;
  }
  if (auto* m = dynamic_cast<TMenuItem*>(component)) {
    if (p == "Caption") {
      Need(s, 1);
      m->SetCaption(s.values[0]);
    } else if (p == "Checked") m->SetChecked(LayoutBool(s));
    else if (p == "Enabled") m->SetEnabled(LayoutBool(s));
    else if (p == "OnClick") m->OnClick = Handler(handlers.notify, s);
    else return false;
    return true;
  }
  return false;
}

void Attach(TForm* form, TComponent* component, const TLayoutEntry& entry) {
  if (entry.parent.empty()) return;
  TComponent* parent = entry.parent == form->Name() ? form : form->FindComponent(entry.parent);
  if (!parent) Fail(entry.line, "no parent '" + entry.parent + "' above this line");
  if (auto* item = dynamic_cast<TMenuItem*>(component)) {
    if (auto* menu = dynamic_cast<TMenu*>(parent)) {
      menu->Items()->Add(item);
    } else if (auto* parentItem = dynamic_cast<TMenuItem*>(parent)) {
      parentItem->Add(item);
    } else {
      Fail(entry.line, "a menu item belongs to a menu or an item");
    }
    return;
  }
  auto* control = dynamic_cast<TControl*>(component);
  if (!control) return;  // components without a place only have an owner
  auto* container = dynamic_cast<TWinControl*>(parent);
  if (!container) Fail(entry.line, "'" + entry.parent + "' cannot hold controls");
  control->SetParent(container);
}

}  // namespace

int LayoutInt(const TLayoutEntry::Setting& s, std::size_t index) {
  Need(s, index + 1);
  const std::string& v = s.values[index];
  try {
    std::size_t used = 0;
    long long n = std::stoll(v, &used, 0);
    if (used != v.size() || n < INT32_MIN || n > UINT32_MAX) throw std::out_of_range(v);
    return static_cast<int>(static_cast<std::int64_t>(n));
  } catch (const std::exception&) {
    Fail(s.line, "'" + v + "' is not a number");
  }
}

bool LayoutBool(const TLayoutEntry::Setting& s) {
  Need(s, 1);
  if (s.values[0] == "true") return true;
  if (s.values[0] == "false") return false;
  Fail(s.line, "'" + s.values[0] + "' is not true or false");
}

TNotifyEvent LayoutNotifyHandler(const TLayoutEntry::Setting& s, const TLayoutHandlers& handlers) {
  return Handler(handlers.notify, s);
}

TPointEvent LayoutPointHandler(const TLayoutEntry::Setting& s, const TLayoutHandlers& handlers) {
  return Handler(handlers.point, s);
}

std::vector<TLayoutEntry> ParseLayout(std::string_view text) {
  std::vector<TLayoutEntry> entries;
  int number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    std::vector<std::string> tokens = Tokens(line, number);
    if (first == 0) {
      TLayoutEntry entry;
      entry.line = number;
      if (tokens.size() == 2) {
        entry.className = tokens[0];
        entry.name = tokens[1];
      } else if (tokens.size() == 4 && tokens[2] == "in") {
        entry.className = tokens[0];
        entry.name = tokens[1];
        entry.parent = tokens[3];
      } else {
        Fail(number, "expected '<Class> <Name> [in <Parent>]'");
      }
      entries.push_back(std::move(entry));
    } else {
      if (entries.empty()) Fail(number, "a setting before any component");
      TLayoutEntry::Setting setting;
      setting.property = tokens[0];
      setting.values.assign(tokens.begin() + 1, tokens.end());
      setting.line = number;
      entries.back().settings.push_back(std::move(setting));
    }
    if (end == text.size()) break;
  }
  if (entries.empty()) throw Exception("Layout: no components");
  return entries;
}

void RegisterLayoutClass(const std::string& className, TComponentFactory factory, TPropertySetter setter) {
  Classes()[className] = {std::move(factory), std::move(setter)};
}

void LoadLayout(TForm* form, std::string_view text, const TLayoutHandlers& handlers) {
  std::vector<TLayoutEntry> entries = ParseLayout(text);
  std::vector<TComponent*> created{form};
  // Settings of the form that name a component wait until it exists.
  std::vector<const TLayoutEntry::Setting*> references;
  form->SetWindowClassName(entries[0].className);
  form->SetName(entries[0].name);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const TLayoutEntry& entry = entries[i];
    TComponent* component = form;
    const ClassInfo* info = nullptr;
    if (i > 0) {
      auto it = Classes().find(entry.className);
      if (it == Classes().end()) Fail(entry.line, "unknown class '" + entry.className + "'");
      info = &it->second;
      if (form->FindComponent(entry.name)) Fail(entry.line, "a second component named '" + entry.name + "'");
      component = info->factory(form);
      component->SetName(entry.name);
      Attach(form, component, entry);
      created.push_back(component);
    }
    for (const TLayoutEntry::Setting& s : entry.settings) {
      if (i == 0 && s.property == "Menu") {
        references.push_back(&s);
        continue;
      }
      bool done = (info && info->setter && info->setter(component, s, handlers)) ||
                  (component == form && ApplyForm(form, s, handlers)) || ApplyKind(component, s, handlers) ||
                  (dynamic_cast<TControl*>(component) && ApplyControl(static_cast<TControl*>(component), s, handlers));
      if (!done) Fail(s.line, "'" + entry.name + "' has no setting '" + s.property + "'");
    }
  }
  for (const TLayoutEntry::Setting* s : references) ApplyForm(form, *s, handlers);
  for (TComponent* component : created) component->Loaded();
}

}  // namespace vcl
