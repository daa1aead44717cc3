#pragma once
// Window layouts as data: a form's components, positions, texts, tab order
// and handler bindings read from a text table (resources/layouts/README.md
// gives the format). The same table builds the window in every build.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Form.h"
#include "toolkit/controls/Messages.h"

namespace vcl {

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

// The handlers a window offers to its layout, by name.
struct TLayoutHandlers {
  std::map<std::string, TNotifyEvent> notify;
  std::map<std::string, TCloseEvent> close;
  std::map<std::string, TKeyEvent> key;
  std::map<std::string, TPointEvent> point;
  std::map<std::string, TMouseEvent> mouse;
  std::map<std::string, TMouseMoveEvent> mouseMove;
};

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// Applies one setting; false when the class has no such setting.
using TPropertySetter = std::function<bool(TComponent* component, const TLayoutEntry::Setting& setting,
                                           const TLayoutHandlers& handlers)>;
// Makes a component class known to layouts (the library's own are known).
void RegisterLayoutClass(const std::string& className, TComponentFactory factory, TPropertySetter setter = {});

// Builds the layout onto form: the first block describes the form itself
// (its class names the form's window class), every other block creates a
// component owned by the form. Loaded runs on each once all are set.
void LoadLayout(TForm* form, std::string_view text, const TLayoutHandlers& handlers);

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
TNotifyEvent LayoutNotifyHandler(const TLayoutEntry::Setting& setting, const TLayoutHandlers& handlers);
TPointEvent LayoutPointHandler(const TLayoutEntry::Setting& setting, const TLayoutHandlers& handlers);

}  // namespace vcl
