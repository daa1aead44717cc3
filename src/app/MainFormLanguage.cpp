// The interface language: the Settings > Language items and the texts of the
// three windows from a language file in the program's "language" folder.
#include <string>

#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/io/IniDocument.h"
#include "ui/AboutBox.h"
#include "ui/FormOptions.h"

namespace muralto {

namespace {

enum class Window { Main, Options, About };
// Which text of the component a key sets.
enum class Part { Caption, RadioItem, FirstColumn };

struct TextPlace {
  const char* key;
  Window window;
  const char* name;  // the component on that window; nullptr for the window itself
  Part part = Part::Caption;
  int index = 0;  // the radio item
};

// In the order the texts are read.
constexpr TextPlace Places[] = {
    {"MFile->Caption", Window::Main, "MFile"},
    {"MExit->Caption", Window::Main, "MExit"},
    {"MSettings->Caption", Window::Main, "MSettings"},
    {"MOptions->Caption", Window::Main, "MOptions"},
    {"MLanguage->Caption", Window::Main, "MLanguage"},
    {"MLangEnglish->Caption", Window::Main, "MLangEnglish"},
    {"MLangRussian->Caption", Window::Main, "MLangRussian"},
    {"MHelp->Caption", Window::Main, "MHelp"},
    {"MAbout->Caption", Window::Main, "MAbout"},
    {"ButtonAdd->Caption", Window::Main, "ButtonAdd"},
    {"ButtonDelete->Caption", Window::Main, "ButtonDelete"},
    {"ButtonClear->Caption", Window::Main, "ButtonClear"},
    {"ButtonStart->Caption", Window::Main, "ButtonStart"},
    {"RadioGroupPosition->Caption", Window::Main, "RadioGroupPosition"},
    {"RadioGroupPosition->Items->Strings[0]", Window::Main, "RadioGroupPosition", Part::RadioItem, 0},
    {"RadioGroupPosition->Items->Strings[1]", Window::Main, "RadioGroupPosition", Part::RadioItem, 1},
    {"RadioGroupPosition->Items->Strings[2]", Window::Main, "RadioGroupPosition", Part::RadioItem, 2},
    {"ListViewFolders->Column[0]->Caption", Window::Main, "ListViewFolders", Part::FirstColumn},
    {"GroupBoxInterval->Caption", Window::Main, "GroupBoxInterval"},
    {"LabelHours->Caption", Window::Main, "LabelHours"},
    {"LabelMinutes->Caption", Window::Main, "LabelMinutes"},
    {"LabelSec->Caption", Window::Main, "LabelSec"},
    {"RadioGroupSelection->Caption", Window::Main, "RadioGroupSelection"},
    {"RadioGroupSelection->Items->Strings[0]", Window::Main, "RadioGroupSelection", Part::RadioItem, 0},
    {"RadioGroupSelection->Items->Strings[1]", Window::Main, "RadioGroupSelection", Part::RadioItem, 1},
    {"PRestore->Caption", Window::Main, "PRestore"},
    {"PMChange->Caption", Window::Main, "PMChange"},
    {"PMShowIcons->Caption", Window::Main, "PMShowIcons"},
    {"PMHideIcons->Caption", Window::Main, "PMHideIcons"},
    {"PExit->Caption", Window::Main, "PExit"},
    {"FormOptions->Caption", Window::Options, nullptr},
    {"FormOptions->CheckBoxAutoStart->Caption", Window::Options, "CheckBoxAutoStart"},
    {"FormOptions->cbTray->Caption", Window::Options, "cbTray"},
    {"AboutBox->Caption", Window::About, nullptr},
    {"AboutBox->LabelAbout->Caption", Window::About, "LabelAbout"},
    {"AboutBox->LabelAuthor->Caption", Window::About, "LabelAuthor"},
    {"AboutBox->LabelSite->Caption", Window::About, "LabelSite"},
};

const char* const Section = "Interface";

toolkit::TComponent* WindowOf(Window window, TForm1* main) {
  switch (window) {
    case Window::Main: return main;
    case Window::Options: return FormOptions;
    case Window::About: return AboutBox;
  }
  return nullptr;
}

// Reads the place's key with its current text as the default. A place whose
// component is missing is passed over.
void ApplyText(const toolkit::TIniDocument& texts, const TextPlace& place, toolkit::TComponent* target) {
  auto read = [&](const std::string& current) { return texts.ReadString(Section, place.key, current); };
  switch (place.part) {
    case Part::Caption:
      if (auto* item = dynamic_cast<toolkit::TMenuItem*>(target)) {
        item->SetCaption(read(item->Caption()));
      } else if (auto* control = dynamic_cast<toolkit::TControl*>(target)) {
        control->SetCaption(read(control->Caption()));
      }
      break;
    case Part::RadioItem:
      // Only the item's text: the chosen item stays chosen.
      if (auto* group = dynamic_cast<toolkit::TRadioGroup*>(target);
          group && place.index < static_cast<int>(group->Items().size())) {
        group->SetItem(place.index, read(group->Items()[static_cast<std::size_t>(place.index)]));
      }
      break;
    case Part::FirstColumn:
      if (auto* list = dynamic_cast<toolkit::TListView*>(target)) list->SetColumnCaption(read(list->ColumnCaption()));
      break;
  }
}

void SetChecked(TForm1* form, const char* itemName, bool checked) {
  if (auto* item = dynamic_cast<toolkit::TMenuItem*>(form->FindComponent(itemName))) item->SetChecked(checked);
}

}  // namespace

void TForm1::LoadLanguage(const std::string& name) {
  // The marks follow the name alone, spelt exactly; the texts, the file alone.
  SetChecked(this, "MLangEnglish", false);
  SetChecked(this, "MLangRussian", false);
  if (name == "English") SetChecked(this, "MLangEnglish", true);
  if (name == "Russian") SetChecked(this, "MLangRussian", true);
  // A missing file reads as one without keys.
  // The section is read once and looked up by the reader's rules: asking the
  // file key by key made every start read it some forty times.
  const toolkit::TIniDocument texts(appDir + "language\\" + name + ".ini", {Section});
  for (const TextPlace& place : Places) {
    // A key the file lacks leaves its text exactly as it is: the reader
    // would hand back the default without its trailing blanks (" Position ").
    if (!texts.HasKey(Section, place.key)) continue;
    toolkit::TComponent* window = WindowOf(place.window, this);
    if (!window) continue;
    ApplyText(texts, place, place.name ? window->FindComponent(place.name) : window);
  }
}

void TForm1::MLangEnglishClick(toolkit::TObject*) {
  languageName = "English";
  LoadLanguage(languageName);
}

void TForm1::MLangRussianClick(toolkit::TObject*) {
  languageName = "Russian";
  LoadLanguage(languageName);
}

}  // namespace muralto
