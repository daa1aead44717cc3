// Help > About and bringing the main window to the front.
#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "toolkit/forms/Application.h"
#include "ui/AboutBox.h"

namespace muralto {

void TForm1::MAboutClick(vcl::TObject*) {
  LoadLanguage(languageName);
  if (AboutBox) AboutBox->ShowModal();
}

void TForm1::PRestoreClick(vcl::TObject*) { BringToFront(); }

void TForm1::BringToFront() {
  Show();
  if (vcl::TApplication* app = vcl::Application()) app->Restore();
  platform::SetForegroundWindow(Handle());
}

}  // namespace muralto
