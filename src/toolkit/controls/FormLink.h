#pragma once
// What a control asks of the form it sits on. Forms are a layer above the
// controls: a form implements this, and a control reaches its form through
// it, never through the form's own class.
#include "toolkit/controls/Control.h"

namespace toolkit {

class TWinControl;

class TFormLink {
 public:
  // A button with a modal result ends a modal form with it.
  virtual void SetModalResult(int result) = 0;
  // A form with key preview sees its controls' key presses first.
  virtual bool KeyPreview() const = 0;
  // The focus arrived in control, one of the form's or the form itself.
  virtual void FocusArrived(TWinControl* control) = 0;

 protected:
  ~TFormLink() = default;
};

// The top of the control's parent chain when it is a form, or null.
TFormLink* FormOf(TControl* control);

}  // namespace toolkit
