#pragma once
// Window layouts as data: a form's components, positions, texts, tab order
// and handler bindings read from a text table (resources/layouts/README.md
// gives the format). The same table builds the window in every build.
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "toolkit/controls/Messages.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Form.h"

namespace toolkit {

struct TLayoutEntry {
  std::string className;
  std::string name;
  std::string parent;
  int line = 0;
  struct Setting {
    std::string property;
    std::vector<std::string> values;
    int line = 0;
  };
  std::vector<Setting> settings;
};

// Throws Exception "Layout line N: ..." for a malformed table.
std::vector<TLayoutEntry> ParseLayout(std::string_view text);

// A handler a window offers to its layout: one of the events a layout binds.
using TLayoutHandler = std::variant<TNotifyEvent, TCloseEvent, TKeyEvent, TPointEvent, TMouseEvent, TMouseMoveEvent>;

// The handlers a window offers to its layout, by name: one table per window.
class TLayoutHandlers {
 public:
  TLayoutHandlers() = default;
  TLayoutHandlers(std::initializer_list<std::pair<const std::string, TLayoutHandler>> table) : table_(table) {}
  void Add(const std::string& name, TLayoutHandler handler) { table_.insert_or_assign(name, std::move(handler)); }
  // The handler the setting names, as the event its property takes; a name
  // the window does not offer for that event fails with the setting's line.
  template <class Event>
  Event Find(const TLayoutEntry::Setting& setting) const {
    auto it = setting.values.empty() ? table_.end() : table_.find(setting.values[0]);
    if (it != table_.end()) {
      if (const Event* handler = std::get_if<Event>(&it->second)) return *handler;
    }
    Missing(setting);
  }

 private:
  [[noreturn]] static void Missing(const TLayoutEntry::Setting& setting);
  std::map<std::string, TLayoutHandler> table_;
};

// A window's method as a layout handler.
template <class Window, class... Args>
TLayoutHandler LayoutMethod(Window* window, void (Window::*method)(Args...)) {
  return std::function<void(Args...)>(
      [window, method](Args... args) { (window->*method)(std::forward<Args>(args)...); });
}

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// Applies one setting to a component of the class that registered it.
using TPropertySetter =
    std::function<void(TComponent* component, const TLayoutEntry::Setting& setting, const TLayoutHandlers& handlers)>;
// The layout properties one class understands, by name.
using TLayoutProperties = std::map<std::string, TPropertySetter>;

// Makes a class known to layouts: how to make one (none for a class that
// only lends its properties), the registered class whose properties it takes
// too (its nearest registered base class, or none), and its own properties,
// which come before the base's. The library's own classes are known.
void RegisterLayoutClass(const std::string& className, TComponentFactory factory, const std::string& base,
                         TLayoutProperties properties);

// A class's properties as a table of setters taking the class itself.
template <class T>
using TLayoutSetters =
    std::initializer_list<std::pair<const char*, void (*)(T* component, const TLayoutEntry::Setting& setting,
                                                          const TLayoutHandlers& handlers)>>;

template <class T>
TLayoutProperties LayoutProperties(TLayoutSetters<T> setters) {
  TLayoutProperties properties;
  for (const auto& [name, set] : setters) {
    // The registry made the component from T's entry or from a class derived from T.
    properties[name] = [set = set](TComponent* component, const TLayoutEntry::Setting& setting,
                                   const TLayoutHandlers& handlers) {
      set(static_cast<T*>(component), setting, handlers);
    };
  }
  return properties;
}

// A class a layout may name.
template <class T>
void RegisterLayoutClass(const std::string& className, const std::string& base, TLayoutSetters<T> setters) {
  RegisterLayoutClass(
      className, [](TComponent* owner) -> TComponent* { return TComponent::Create<T>(owner); }, base,
      LayoutProperties<T>(setters));
}

// A class that only lends its properties to the classes derived from it.
template <class T>
void RegisterLayoutProperties(const std::string& className, const std::string& base, TLayoutSetters<T> setters) {
  RegisterLayoutClass(className, nullptr, base, LayoutProperties<T>(setters));
}

// The classes a layout may name come in sets, each made known by a function
// that registers its classes. The library's own set is always known; a
// window whose layout names classes of a layer above passes that layer's
// set to LoadLayout. Each set is registered once, on its first use.
using TLayoutClassSet = void (*)();

// Builds the layout onto form: the first block describes the form itself
// (its class names the form's window class), every other block creates a
// component owned by the form. Loaded runs on each once all are set.
void LoadLayout(TForm* form, std::string_view text, const TLayoutHandlers& handlers,
                std::initializer_list<TLayoutClassSet> classSets = {});

// Helpers for setters of registered classes.
// The component a window's layout made under NAME, as the class the window's
// code expects; a layout that lacks it is a broken build, said by name.
template <class T>
T* LayoutComponent(TForm* form, const char* name) {
  auto* component = dynamic_cast<T*>(form->FindComponent(name));
  if (!component) throw EComponentError("The layout of " + form->Name() + " has no " + name);
  return component;
}

int LayoutInt(const TLayoutEntry::Setting& setting, std::size_t index);
bool LayoutBool(const TLayoutEntry::Setting& setting);
// Fails unless the setting has at least count values.
void LayoutNeed(const TLayoutEntry::Setting& setting, std::size_t count);
// Fails for a setting its class understands but not with these values.
[[noreturn]] void LayoutNoSetting(const TComponent* component, const TLayoutEntry::Setting& setting);
[[noreturn]] void LayoutFail(int line, const std::string& what);

}  // namespace toolkit
