#include "toolkit/forms/Layout.h"

#include <cctype>
#include <set>

#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/LayoutProperties.h"
#include "toolkit/forms/Menus.h"

namespace toolkit {

namespace {

[[noreturn]] void Fail(int line, const std::string& what) { LayoutFail(line, what); }

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
  std::string base;
  TLayoutProperties properties;
};

std::map<std::string, ClassInfo>& Registry() {
  static std::map<std::string, ClassInfo> classes;
  return classes;
}

void UseClassSet(TLayoutClassSet classSet) {
  static std::set<TLayoutClassSet> known;
  if (known.insert(classSet).second) classSet();
}

// The registry with the library's own classes in it.
std::map<std::string, ClassInfo>& Classes() {
  UseClassSet(&RegisterToolkitLayoutClasses);
  return Registry();
}

const ClassInfo* FindClass(const std::string& name) {
  auto it = Classes().find(name);
  return it == Classes().end() ? nullptr : &it->second;
}

// Applies the setting with the first class up the chain that understands it.
bool Apply(const std::string& className, TComponent* component, const TLayoutEntry::Setting& s,
           const TLayoutHandlers& handlers) {
  for (const ClassInfo* info = FindClass(className); info;
       info = info->base.empty() ? nullptr : FindClass(info->base)) {
    auto property = info->properties.find(s.property);
    if (property != info->properties.end()) {
      property->second(component, s, handlers);
      return true;
    }
  }
  return false;
}

void Need(const TLayoutEntry::Setting& s, std::size_t count) { LayoutNeed(s, count); }

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

void LayoutNeed(const TLayoutEntry::Setting& s, std::size_t count) {
  if (s.values.size() < count) Fail(s.line, "'" + s.property + "' needs " + std::to_string(count) + " value(s)");
}

void LayoutFail(int line, const std::string& what) {
  throw Exception("Layout line " + std::to_string(line) + ": " + what);
}

void LayoutNoSetting(const TComponent* component, const TLayoutEntry::Setting& s) {
  Fail(s.line, "'" + component->Name() + "' has no setting '" + s.property + "'");
}

void TLayoutHandlers::Missing(const TLayoutEntry::Setting& s) {
  Need(s, 1);
  Fail(s.line, "no handler '" + s.values[0] + "'");
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

void RegisterLayoutClass(const std::string& className, TComponentFactory factory, const std::string& base,
                         TLayoutProperties properties) {
  Registry()[className] = {std::move(factory), base, std::move(properties)};
}

void LoadLayout(TForm* form, std::string_view text, const TLayoutHandlers& handlers,
                std::initializer_list<TLayoutClassSet> classSets) {
  for (const TLayoutClassSet classSet : classSets) UseClassSet(classSet);
  std::vector<TLayoutEntry> entries = ParseLayout(text);
  std::vector<TComponent*> created{form};
  // Settings of the form that name a component wait until it exists.
  std::vector<const TLayoutEntry::Setting*> references;
  form->SetWindowClassName(entries[0].className);
  form->SetName(entries[0].name);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const TLayoutEntry& entry = entries[i];
    TComponent* component = form;
    // The form's block names its window class; its properties are a form's.
    std::string className = "TForm";
    if (i > 0) {
      const ClassInfo* info = FindClass(entry.className);
      if (!info || !info->factory) Fail(entry.line, "unknown class '" + entry.className + "'");
      className = entry.className;
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
      if (!Apply(className, component, s, handlers)) LayoutNoSetting(component, s);
    }
  }
  for (const TLayoutEntry::Setting* s : references) Apply("TForm", form, *s, handlers);
  for (TComponent* component : created) component->Loaded();
}

}  // namespace toolkit
