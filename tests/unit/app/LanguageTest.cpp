// The interface language: the Settings > Language marks, the texts of the
// three windows from the language files, and what the language leaves alone.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MainFormFixture.h"
#include "platform/commctrl.h"
#include "platform/menus.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/GroupButton.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/forms/Menus.h"
#include "ui/AboutBox.h"
#include "ui/FormOptions.h"

namespace {

using apptest::MainIni;
using muralto::TForm1;

const std::string LanguageDir = "C:\\Muralto\\language\\";
// "Старт" and "Удалить" in code page 1251, as the Russian file holds them.
const std::string RussianStart = "\xD1\xF2\xE0\xF0\xF2";
const std::string RussianDelete = "\xD3\xE4\xE0\xEB\xE8\xF2\xFC";

class LanguageTest : public apptest::MainFormTest {
 protected:
  LanguageTest() { machine.MakeDir(LanguageDir); }

  // A language file named FILE.ini with the given lines of [Interface].
  void WriteLanguage(const std::string& file, const std::vector<std::string>& lines) {
    std::string text = "[Interface]\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    machine.WriteFile(LanguageDir + file + ".ini", text);
  }

  void WriteSettingsNaming(const std::string& language) {
    machine.WriteFile(MainIni, "[Options]\r\nLanguage=" + language +
                                   "\r\nAuto Start=0\r\ntray=1\r\nSelection=1\r\nPosition=2\r\n"
                                   "[Pause]\r\nHour=1\r\nMin=0\r\nSec=0\r\n");
  }

  toolkit::TMenuItem* Item(const char* name) { return dynamic_cast<toolkit::TMenuItem*>(form->FindComponent(name)); }

  // Settings > Language > NAME as the menu bar sends it.
  void Choose(const char* itemName) {
    platform::SendMessageA(form->Handle(), platform::WmCommand, Item(itemName)->Command(), 0);
  }

  // The check marks of Settings > Language as the window's menu shows them.
  std::pair<bool, bool> ShownMarks() {
    const auto bar = sim::MenuItems(platform::GetMenu(form->Handle()));
    const auto language = sim::MenuItems(sim::MenuItems(bar.at(1).submenu).at(1).submenu);
    return {(language.at(0).flags & platform::MfChecked) != 0, (language.at(1).flags & platform::MfChecked) != 0};
  }
};

// How a test reads one text; nullopt when the control does not exist.
using Reader = std::function<std::optional<std::string>(TForm1*)>;

Reader MenuCaption(const char* name) {
  return [name](TForm1* f) -> std::optional<std::string> {
    auto* item = dynamic_cast<toolkit::TMenuItem*>(f->FindComponent(name));
    if (!item) return std::nullopt;
    return item->Caption();
  };
}

Reader ControlCaption(const char* name) {
  return [name](TForm1* f) -> std::optional<std::string> {
    auto* control = dynamic_cast<toolkit::TControl*>(f->FindComponent(name));
    if (!control) return std::nullopt;
    return control->Caption();
  };
}

// The radio button's own caption, which is what shows.
Reader RadioItem(const char* name, int index) {
  return [name, index](TForm1* f) -> std::optional<std::string> {
    auto* group = dynamic_cast<toolkit::TRadioGroup*>(f->FindComponent(name));
    return group->Buttons(index)->Caption();
  };
}

// The heading as the list's window shows it.
std::optional<std::string> ColumnHeading(TForm1* f) {
  return platform::ListViewGetColumnText(f->ListViewFolders->Handle(), 0);
}

template <auto& Dialog>
Reader DialogCaption(const char* control) {
  return [control](TForm1*) -> std::optional<std::string> {
    toolkit::TComponent* found = control ? Dialog->FindComponent(control) : Dialog;
    auto* shown = dynamic_cast<toolkit::TControl*>(found);
    if (!shown) return std::nullopt;
    return shown->Caption();
  };
}

TEST_F(LanguageTest, ChoosingALanguageSetsEveryTextItsFileGivesAndKeepsTheChoices) {
  WriteSettingsNaming("English");
  Start();
  form->Show();
  const std::string settings = machine.ReadFile(MainIni);
  struct Row {
    const char* key;
    Reader read;
  };
  const Row rows[] = {
      {"MFile->Caption", MenuCaption("MFile")},
      {"MExit->Caption", MenuCaption("MExit")},
      {"MSettings->Caption", MenuCaption("MSettings")},
      {"MOptions->Caption", MenuCaption("MOptions")},
      {"MLanguage->Caption", MenuCaption("MLanguage")},
      {"MLangEnglish->Caption", MenuCaption("MLangEnglish")},
      {"MLangRussian->Caption", MenuCaption("MLangRussian")},
      {"MHelp->Caption", MenuCaption("MHelp")},
      {"MAbout->Caption", MenuCaption("MAbout")},
      {"ButtonAdd->Caption", ControlCaption("ButtonAdd")},
      {"ButtonDelete->Caption", ControlCaption("ButtonDelete")},
      {"ButtonClear->Caption", ControlCaption("ButtonClear")},
      {"ButtonStart->Caption", ControlCaption("ButtonStart")},
      {"RadioGroupPosition->Caption", ControlCaption("RadioGroupPosition")},
      {"RadioGroupPosition->Items->Strings[0]", RadioItem("RadioGroupPosition", 0)},
      {"RadioGroupPosition->Items->Strings[1]", RadioItem("RadioGroupPosition", 1)},
      {"RadioGroupPosition->Items->Strings[2]", RadioItem("RadioGroupPosition", 2)},
      {"ListViewFolders->Column[0]->Caption", ColumnHeading},
      {"GroupBoxInterval->Caption", ControlCaption("GroupBoxInterval")},
      {"LabelHours->Caption", ControlCaption("LabelHours")},
      {"LabelMinutes->Caption", ControlCaption("LabelMinutes")},
      {"LabelSec->Caption", ControlCaption("LabelSec")},
      {"RadioGroupSelection->Caption", ControlCaption("RadioGroupSelection")},
      {"RadioGroupSelection->Items->Strings[0]", RadioItem("RadioGroupSelection", 0)},
      {"RadioGroupSelection->Items->Strings[1]", RadioItem("RadioGroupSelection", 1)},
      {"PRestore->Caption", MenuCaption("PRestore")},
      {"PMChange->Caption", MenuCaption("PMChange")},
      {"PMShowIcons->Caption", MenuCaption("PMShowIcons")},
      {"PMHideIcons->Caption", MenuCaption("PMHideIcons")},
      {"PExit->Caption", MenuCaption("PExit")},
      {"FormOptions->Caption", DialogCaption<muralto::FormOptions>(nullptr)},
      {"FormOptions->CheckBoxAutoStart->Caption", DialogCaption<muralto::FormOptions>("CheckBoxAutoStart")},
      {"FormOptions->cbTray->Caption", DialogCaption<muralto::FormOptions>("cbTray")},
      {"AboutBox->Caption", DialogCaption<muralto::AboutBox>(nullptr)},
      {"AboutBox->LabelAbout->Caption", DialogCaption<muralto::AboutBox>("LabelAbout")},
      {"AboutBox->LabelAuthor->Caption", DialogCaption<muralto::AboutBox>("LabelAuthor")},
      {"AboutBox->LabelSite->Caption", DialogCaption<muralto::AboutBox>("LabelSite")},
  };
  // Every text different, so a key that lands on the wrong control shows.
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < std::size(rows); ++i)
    lines.push_back(std::string(rows[i].key) + "=" + RussianDelete + std::to_string(i));
  WriteLanguage("Russian", lines);

  Choose("MLangRussian");

  EXPECT_EQ(form->languageName, "Russian");
  EXPECT_EQ(ShownMarks(), std::make_pair(false, true));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const std::optional<std::string> text = rows[i].read(form);
    // The dialogs' controls are looked up by name; one that does not exist is passed over.
    if (!text) continue;
    EXPECT_EQ(*text, RussianDelete + std::to_string(i)) << rows[i].key;
  }
  // The menus the window shows carry the new captions too.
  const auto bar = sim::MenuItems(platform::GetMenu(form->Handle()));
  EXPECT_EQ(bar.at(0).caption, RussianDelete + "0");
  // The radio groups keep the choices the settings gave them, and nothing was saved.
  EXPECT_EQ(form->RadioGroupSelection->ItemIndex(), 1);
  EXPECT_EQ(form->RadioGroupPosition->ItemIndex(), 2);
  EXPECT_TRUE(form->RadioGroupPosition->Buttons(2)->Checked());
  EXPECT_EQ(machine.ReadFile(MainIni), settings) << "the choice is saved with the next save, not by the menu";
}

TEST_F(LanguageTest, TheMarksFollowTheNameAndTheTextsTheFile) {
  struct File {
    std::string name;
    std::vector<std::string> lines;
  };
  struct Row {
    const char* what;
    std::optional<std::string> settingsName;  // nullopt: no settings file
    std::vector<File> files;
    bool english, russian;
    std::string add, remove;
  };
  const Row rows[] = {
      // A first start names English, ticks it and applies its file.
      {"first start",
       std::nullopt,
       {{"English", {"ButtonAdd->Caption=Add folder"}}},
       true,
       false,
       "Add folder",
       "Delete"},
      // No file for the name: the mark moves, the texts stay.
      {"missing file", "Russian", {{"English", {"ButtonAdd->Caption=Add folder"}}}, false, true, "Add", "Delete"},
      // Only the keys the file gives change.
      {"partial file",
       "Russian",
       {{"Russian", {"ButtonDelete->Caption=" + RussianDelete}}},
       false,
       true,
       "Add",
       RussianDelete},
      // A key with an empty value empties its text.
      {"empty value", "Russian", {{"Russian", {"ButtonAdd->Caption="}}}, false, true, "", "Delete"},
      // Keys are found whatever their case.
      {"key in capitals",
       "English",
       {{"English", {"BUTTONADD->CAPTION=Add folder"}}},
       true,
       false,
       "Add folder",
       "Delete"},
      // No mark for a name spelt otherwise, but the file is found whatever the case.
      {"lower case", "english", {{"English", {"ButtonAdd->Caption=Add folder"}}}, false, false, "Add folder", "Delete"},
      // An empty name reads the file named just ".ini".
      {"empty name", "", {{"", {"ButtonAdd->Caption=Nameless"}}}, false, false, "Nameless", "Delete"},
      // A value is cut at 2047 characters, as the reader's buffer holds.
      {"long value",
       "English",
       {{"English", {"ButtonAdd->Caption=" + std::string(3000, 'x')}}},
       true,
       false,
       std::string(2047, 'x'),
       "Delete"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    sim::ResetWindows();
    machine.Remove(MainIni);
    if (row.settingsName) WriteSettingsNaming(*row.settingsName);
    for (const char* name : {"English", "Russian", ""}) {
      if (machine.Exists(LanguageDir + name + ".ini")) machine.Remove(LanguageDir + name + ".ini");
    }
    for (const File& file : row.files) WriteLanguage(file.name, file.lines);
    Start();
    EXPECT_EQ(form->languageName, row.settingsName.value_or("English"));
    EXPECT_EQ(Item("MLangEnglish")->Checked(), row.english);
    EXPECT_EQ(Item("MLangRussian")->Checked(), row.russian);
    EXPECT_EQ(form->ButtonAdd->Caption(), row.add);
    EXPECT_EQ(form->ButtonDelete->Caption(), row.remove);
    EXPECT_EQ(form->RadioGroupPosition->Caption(), " Position ") << "a key the file lacks keeps even its blanks";
    app.reset();
  }
}

TEST_F(LanguageTest, EnglishWithoutItsFileMovesTheMarkAndKeepsTheRussianTexts) {
  WriteSettingsNaming("Russian");
  WriteLanguage("Russian", {"ButtonDelete->Caption=" + RussianDelete});
  Start();
  form->Show();
  ASSERT_EQ(form->ButtonDelete->Caption(), RussianDelete);

  Choose("MLangEnglish");

  EXPECT_EQ(ShownMarks(), std::make_pair(true, false));
  EXPECT_EQ(form->ButtonDelete->Caption(), RussianDelete);
  EXPECT_NE(machine.ReadFile(MainIni).find("Language=Russian"), std::string::npos) << "not saved by the menu";
  platform::SendMessageA(form->Handle(), platform::WmClose, 0, 0);
  EXPECT_NE(machine.ReadFile(MainIni).find("Language=English"), std::string::npos) << "saved at close";
}

TEST_F(LanguageTest, TheStartStopButtonFollowsTheRotationNotItsTranslatedCaption) {
  WriteSettingsNaming("Russian");
  WriteLanguage("Russian", {"ButtonStart->Caption=" + RussianStart});
  Start();
  form->Show();
  EXPECT_EQ(form->ButtonStart->Caption(), RussianStart);
  form->ButtonStart->Click();
  EXPECT_EQ(form->ButtonStart->Caption(), "Stop") << "the toggle writes English";

  // Help > About applies the language again while the rotation runs.
  sim::SetIdleHandler([] { platform::PostMessageA(muralto::AboutBox->Handle(), platform::WmClose, 0, 0); });
  Choose("MAbout");
  sim::SetIdleHandler(nullptr);
  EXPECT_EQ(form->ButtonStart->Caption(), RussianStart);
  EXPECT_TRUE(form->running);

  form->ButtonStart->Click();
  EXPECT_FALSE(form->running) << "the click after the caption came back still stops";
  EXPECT_EQ(form->ButtonStart->Caption(), "Start");

  // The hidden start applies the language first and then starts the rotation.
  app.reset();
  sim::ResetWindows();
  Start("C:\\Muralto\\Muralto.exe -a");
  EXPECT_TRUE(form->running);
  EXPECT_EQ(form->ButtonStart->Caption(), "Stop");
}

}  // namespace
