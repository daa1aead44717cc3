// Operations of the main window whose behaviour belongs to the language part
// of the program and to the dialogs. Each
// is called in its place; until those parts exist they leave everything as
// it is.
#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "ui/FormOptions.h"

namespace muralto {

void TForm1::LoadLanguage(const std::string&) {}

void TForm1::MLangEnglishClick(vcl::TObject*) {}

void TForm1::MLangRussianClick(vcl::TObject*) {}

}  // namespace muralto
