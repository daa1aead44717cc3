// Help > About and bringing the main window to the front.
#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "toolkit/forms/Application.h"
#include "ui/AboutBox.h"

namespace muralto {

void TForm1::MAboutClick(toolkit::TObject*) {
  LoadLanguage(languageName);
  if (AboutBox) AboutBox->ShowModal();
}

void TForm1::PRestoreClick(toolkit::TObject*) { BringToFront(); }

void TForm1::BringToFront() {
  Show();
  if (toolkit::TApplication* app = toolkit::Application()) app->Restore();
  platform::SetForegroundWindow(Handle());
}

}  // namespace muralto
