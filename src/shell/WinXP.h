#pragma once
// TWinXP: the marker that the program's controls take the system's visual
// style, which the executable's manifest asks for. It does nothing at run
// time; it only refuses to be placed anywhere but once on a form.
#include "toolkit/core/Component.h"

namespace muralto {

class TWinXP : public toolkit::TComponent {
 public:
  // Throws toolkit::Exception when owner is not a form, or when owner already
  // holds a TWinXP.
  explicit TWinXP(toolkit::TComponent* owner);
};

}  // namespace muralto
