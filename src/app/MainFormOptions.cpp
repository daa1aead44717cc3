// Settings > Options: the dialog shows the two switches as the main window
// holds them, whatever it showed when it was last closed.
#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "toolkit/controls/CheckBox.h"
#include "ui/FormOptions.h"

namespace muralto {

void TForm1::MOptionsClick(toolkit::TObject*) {
  LoadLanguage(languageName);
  if (!FormOptions) return;
  // A box whose state changes here runs its handler, as a click would: the
  // handler then stores the value the switch already holds.
  FormOptions->CheckBoxAutoStart->SetChecked(autoStart);
  FormOptions->cbTray->SetChecked(showTray);
  // Every click has taken effect already: the result means nothing.
  FormOptions->ShowModal();
}

}  // namespace muralto
