#include "toolkit/controls/WindowBinding.h"

#include <map>

namespace toolkit {

namespace {

std::map<platform::Hwnd, TObject*>& Bindings() {
  static std::map<platform::Hwnd, TObject*> bindings;
  return bindings;
}

TObject* creating = nullptr;

}  // namespace

void BindWindow(platform::Hwnd window, TObject* object) { Bindings()[window] = object; }

void UnbindWindow(platform::Hwnd window) { Bindings().erase(window); }

TObject* WindowObject(platform::Hwnd window) {
  auto it = Bindings().find(window);
  return it == Bindings().end() ? nullptr : it->second;
}

TWindowCreation::TWindowCreation(TObject* object) : outer_(creating) { creating = object; }

TWindowCreation::~TWindowCreation() { creating = outer_; }

TObject* ClaimWindow(platform::Hwnd window) {
  if (TObject* bound = WindowObject(window)) return bound;
  if (creating) BindWindow(window, creating);
  return creating;
}

}  // namespace toolkit
