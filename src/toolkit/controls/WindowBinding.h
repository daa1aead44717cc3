#pragma once
// Which object a window belongs to: the system calls a window procedure with
// the window alone. A window is bound once, when it is made, and unbound
// before it is destroyed (stop dispatch, remove subclassing, destroy).
#include "platform/windowing.h"
#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

void BindWindow(platform::Hwnd window, TObject* object);
void UnbindWindow(platform::Hwnd window);
// The window's object, or null.
TObject* WindowObject(platform::Hwnd window);
template <class T>
T* WindowObjectAs(platform::Hwnd window) {
  return dynamic_cast<T*>(WindowObject(window));
}

// The messages a window sends while CreateWindowExA makes it arrive before
// its handle is known. While a TWindowCreation lives, the first unbound
// window that asks for its object through ClaimWindow is bound to the
// object being made. Creations nest (a window made while another is).
class TWindowCreation {
 public:
  explicit TWindowCreation(TObject* object);
  ~TWindowCreation();
  TWindowCreation(const TWindowCreation&) = delete;
  TWindowCreation& operator=(const TWindowCreation&) = delete;

 private:
  TObject* outer_;
};

// The window's object; an unbound window is bound to the object being made,
// if any.
TObject* ClaimWindow(platform::Hwnd window);

}  // namespace toolkit
