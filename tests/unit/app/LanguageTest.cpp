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
#include "support/Probe.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/GroupButton.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/io/IniFile.h"
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
    if (!group || index >= group->ButtonCount()) return std::nullopt;
    return group->Buttons(index)->Caption();
  };
}

// The heading as the list's window shows it.
std::optional<std::string> ColumnHeading(TForm1* f) {
  return probe::ListViewGetColumnText(f->ListViewFolders->Handle(), 0);
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

// The 37 keys of a language file, in their order, and how each text shows.
struct TextRow {
  const char* key;
  Reader read;
};
const std::vector<TextRow>& Texts() {
  static const std::vector<TextRow> rows = {
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
  return rows;
}

// A text as it shows; a control the row names that does not exist fails the row.
std::string Shown(const TextRow& row, TForm1* form) {
  const std::optional<std::string> text = row.read(form);
  if (!text) ADD_FAILURE() << row.key << ": no such control";
  return text.value_or("<no such control>");
}

TEST_F(LanguageTest, ChoosingALanguageSetsEveryTextItsFileGivesAndKeepsTheChoices) {
  WriteSettingsNaming("English");
  Start();
  form->Show();
  const std::string settings = machine.ReadFile(MainIni);
  const std::vector<TextRow>& rows = Texts();
  // Every text different, so a key that lands on the wrong control shows.
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < rows.size(); ++i)
    lines.push_back(std::string(rows[i].key) + "=" + RussianDelete + std::to_string(i));
  WriteLanguage("Russian", lines);

  Choose("MLangRussian");

  EXPECT_EQ(form->languageName, "Russian");
  EXPECT_EQ(ShownMarks(), std::make_pair(false, true));
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(Shown(rows[i], form), RussianDelete + std::to_string(i)) << rows[i].key;
  // The menus the window shows carry the new captions too.
  const auto bar = sim::MenuItems(platform::GetMenu(form->Handle()));
  EXPECT_EQ(bar.at(0).caption, RussianDelete + "0");
  // The radio groups keep the choices the settings gave them, and nothing was saved.
  EXPECT_EQ(form->RadioGroupSelection->ItemIndex(), 1);
  EXPECT_EQ(form->RadioGroupPosition->ItemIndex(), 2);
  EXPECT_TRUE(form->RadioGroupPosition->Buttons(2)->Checked());
  EXPECT_EQ(machine.ReadFile(MainIni), settings) << "the choice is saved with the next save, not by the menu";
}

// The files shipped in language\: every key once, in order; English the
// texts the windows are designed with; Russian in code page 1251, where a
// Cyrillic letter is one byte (0xC0 to 0xFF, and 0xA8, 0xB8 for the two Yo).
TEST_F(LanguageTest, TheShippedFilesGiveEveryKeyEnglishTheDesignTextsRussianInCodePage1251) {
  Start();  // no language file there: the windows show their design texts
  sim::MapDrive('S', MURALTO_SOURCE_DIR);
  const toolkit::TIniFile english("S:\\resources\\language\\English.ini");
  const toolkit::TIniFile russian("S:\\resources\\language\\Russian.ini");
  std::vector<std::string> keys;
  for (const TextRow& row : Texts()) keys.push_back(row.key);
  EXPECT_EQ(english.ReadSection("Interface"), keys);
  EXPECT_EQ(russian.ReadSection("Interface"), keys);
  for (const TextRow& row : Texts()) {
    EXPECT_EQ(english.ReadString("Interface", row.key, "<missing>"), Shown(row, form)) << row.key;
    const std::string text = russian.ReadString("Interface", row.key, "");
    int letters = 0;
    for (const unsigned char c : text) {
      const bool cyrillic = c >= 0xC0 || c == 0xA8 || c == 0xB8;
      EXPECT_TRUE(c < 0x80 || cyrillic) << row.key << ": byte " << int{c};
      letters += cyrillic;
    }
    if (row.key != std::string("AboutBox->LabelSite->Caption")) {
      EXPECT_GT(letters, 0) << row.key << ": " << text;
    }
  }
}

// Settings > Options gives the dialog the language's texts before it shows.
TEST_F(LanguageTest, OptionsAppliesTheLanguageBeforeTheDialogShows) {
  Start();
  WriteLanguage("English", {"FormOptions->Caption=Switches"});
  std::string title;
  sim::SetIdleHandler([&] {
    title = muralto::FormOptions->Caption();  // read back from the shown window
    platform::PostMessageA(muralto::FormOptions->Handle(), platform::WmClose, 0, 0);
  });
  Choose("MOptions");
  sim::SetIdleHandler(nullptr);
  EXPECT_EQ(title, "Switches");
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
    machine.Restart();
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
  machine.Restart();
  Start("C:\\Muralto\\Muralto.exe -a");
  EXPECT_TRUE(form->running);
  EXPECT_EQ(form->ButtonStart->Caption(), "Stop");
}

}  // namespace
