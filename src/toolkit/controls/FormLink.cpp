#include "toolkit/controls/FormLink.h"

#include "toolkit/controls/WinControl.h"

namespace toolkit {

TFormLink* FormOf(TControl* control) {
  TControl* top = control;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<TFormLink*>(top);
}

}  // namespace toolkit
