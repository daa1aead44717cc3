#include "shell/WinXP.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Form.h"

namespace muralto {

TWinXP::TWinXP(toolkit::TComponent* owner) : toolkit::TComponent(owner) {
  // This one already counts among the owner's components; leaving by an
  // exception takes it out again.
  if (!dynamic_cast<toolkit::TForm*>(owner)) throw toolkit::Exception("Control parent must be a form!");
  int count = 0;
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    if (dynamic_cast<TWinXP*>(owner->Components(i))) ++count;
  }
  if (count >= 2) throw toolkit::Exception("Only one instance of TWinXP allowed on form");
}

}  // namespace muralto
