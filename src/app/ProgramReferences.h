#pragma once
// The program-wide references, one each for the whole run.
#include "toolkit/io/Registry.h"

namespace toolkit {
class TComponent;
}

namespace muralto {

class TForm1;
class TFormOptions;
class TAboutBox;
class TWPChanger;

extern TForm1* Form1;
extern TFormOptions* FormOptions;
extern TAboutBox* AboutBox;
extern TWPChanger* wallpaperChanger;
// The registry accessor of the auto-start value, made once when the program
// is loaded and kept until the process ends.
extern toolkit::TRegistry* runRegistry;

// Clears reference when the component it names now is destroyed, so that a
// program-wide reference never outlives its window.
void ClearWhenDestroyed(toolkit::TComponent* component, void (*clear)());

template <auto& Reference>
void ClearReferenceWhenDestroyed() {
  ClearWhenDestroyed(Reference, [] { Reference = nullptr; });
}

}  // namespace muralto
