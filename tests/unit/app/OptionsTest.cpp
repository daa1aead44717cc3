// Settings > Options: the two switches of the dialog, the Run value that the
// auto-start switch keeps, and the tray icon that the other one shows.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "platform/messages.h"
#include "platform/sim/tray_world.h"
#include "shell/TrayIcon.h"
#include "support/BoxTexts.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/forms/Menus.h"
#include "ui/FormOptions.h"

namespace {

using apptest::MainIni;
using apptest::RunKey;
const char* const ValueName = "Muralto 1.2";

class OptionsTest : public apptest::MainFormTest {
 protected:
  void WriteSwitches(bool autoStart, bool tray, const std::string& ini = MainIni) {
    machine.WriteFile(ini, std::string("[Options]\r\nLanguage=English\r\nAuto Start=") + (autoStart ? "1" : "0") +
                               "\r\ntray=" + (tray ? "1" : "0") +
                               "\r\nSelection=0\r\nPosition=0\r\n[Pause]\r\nHour=1\r\nMin=0\r\nSec=0\r\n");
  }

  // Forgets what the start did, so that what follows shows alone: the
  // registry's journal, the tray's calls and the main settings file.
  // (A delete of a value that is not there leaves no line in the journal.)
  void ForgetTheStart() {
    sim::RegJournal().clear();
    sim::NotifyCalls().clear();
    machine.Remove(MainIni);
  }

  // Settings > Options from the menu bar, as a click on the item sends it.
  // The open dialog runs one step each time its loop goes idle, then is
  // closed with its close box.
  void OpenOptions(std::vector<std::function<void()>> steps) {
    std::size_t next = 0;
    sim::SetIdleHandler([&] {
      muralto::TFormOptions* dialog = muralto::FormOptions;
      if (next < steps.size()) {
        steps[next++]();
        // The loop waits for the next message, which is the next step's turn.
        platform::PostMessageA(dialog->Handle(), platform::WmNull, 0, 0);
      } else {
        platform::PostMessageA(dialog->Handle(), platform::WmSysCommand, platform::ScClose, 0);
      }
    });
    auto* item = dynamic_cast<toolkit::TMenuItem*>(form->FindComponent("MOptions"));
    ASSERT_NE(item, nullptr);
    platform::PostMessageA(form->Handle(), platform::WmCommand, item->Command(), 0);
    sim::DispatchPending();
    sim::SetIdleHandler(nullptr);
    EXPECT_EQ(next, steps.size()) << "the dialog closed before every step ran";
  }

  // A user's click on a box of the open dialog.
  static void Click(toolkit::TCheckBox* box) { platform::SendMessageA(box->Handle(), platform::BmClick, 0, 0); }
  static std::function<void()> ClickAutoStart() {
    return [] { Click(muralto::FormOptions->CheckBoxAutoStart); };
  }
  static std::function<void()> ClickTray() {
    return [] { Click(muralto::FormOptions->cbTray); };
  }

  // The Run value, or nothing when it is missing.
  static std::optional<std::string> RunValue() {
    if (!sim::RegGet(RunKey, ValueName, nullptr)) return std::nullopt;
    return sim::RegGetString(RunKey, ValueName);
  }
  // "Auto Start" and "tray" as the main settings file holds them, or
  // "no file".
  std::string StoredSwitches() {
    if (!machine.Exists(MainIni)) return "no file";
    const std::string text = machine.ReadFile(MainIni);
    auto value = [&](const std::string& key) {
      const std::size_t at = text.find("\n" + key + "=");
      return at == std::string::npos ? std::string("?") : text.substr(at + key.size() + 2, 1);
    };
    return "Auto Start=" + value("Auto Start") + " tray=" + value("tray");
  }
  static std::vector<std::uint32_t> NotifyMessages() {
    std::vector<std::uint32_t> messages;
    for (const auto& call : sim::NotifyCalls()) messages.push_back(call.message);
    return messages;
  }
  static std::vector<std::string> BoxTexts() { return support::BoxTexts(true); }
};

TEST_F(OptionsTest, OpeningShowsTheSwitchesAndRunsTheHandlerOfEachBoxThatDiffers) {
  struct Row {
    const char* name;
    bool autoStart, tray;
    std::vector<std::string> journal;
    std::string stored;
  } const rows[] = {
      // The boxes are ticked at design: nothing differs, nothing runs.
      {"both on", true, true, {}, "no file"},
      // Unticking the box deletes the value once more and saves the file.
      {"auto-start off", false, true, {"delete " + std::string(ValueName)}, "Auto Start=0 tray=1"},
      // The tray handler sets the icon to what it already is and saves nothing.
      {"tray off", true, false, {}, "no file"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteSwitches(row.autoStart, row.tray);
    Start();
    ForgetTheStart();
    // Left by an earlier copy: a delete shows in the journal.
    sim::RegSetString(RunKey, ValueName, "D:\\Old\\Muralto.exe -a");
    bool shown = false, mainEnabled = true, autoBox = !row.autoStart, trayBox = !row.tray;
    OpenOptions({[&] {
      shown = muralto::FormOptions->Visible() && platform::IsWindowVisible(muralto::FormOptions->Handle());
      mainEnabled = platform::IsWindowEnabled(form->Handle());
      autoBox = muralto::FormOptions->CheckBoxAutoStart->Checked();
      trayBox = muralto::FormOptions->cbTray->Checked();
    }});
    EXPECT_TRUE(shown);
    EXPECT_FALSE(mainEnabled) << "the dialog is modal";
    EXPECT_EQ(autoBox, row.autoStart);
    EXPECT_EQ(trayBox, row.tray);
    EXPECT_EQ(sim::RegJournal(), row.journal);
    EXPECT_EQ(StoredSwitches(), row.stored);
    EXPECT_TRUE(NotifyMessages().empty());
    EXPECT_EQ(form->autoStart, row.autoStart);
    EXPECT_EQ(form->showTray, row.tray);
    EXPECT_FALSE(muralto::FormOptions->Visible()) << "closed by its close box";
    EXPECT_TRUE(platform::IsWindowEnabled(form->Handle()));
    app.reset();
  }
}

TEST_F(OptionsTest, TheAutoStartBoxKeepsTheRunValueAndTheSettingsFileInStep) {
  const std::string here = "C:\\Muralto\\Muralto.exe -a";
  // Opening the dialog with auto-start off runs the box's handler (it is
  // ticked at design), which saves Auto Start=0 before the click.
  struct Row {
    const char* name;
    bool autoStart;                // at start; the click turns it over
    std::function<void()> before;  // after the start, before the click
    std::optional<std::string> value;
    std::string stored;
    std::vector<std::string> boxes;
  } const rows[] = {
      {"untick: the value goes at once", true, [] {}, std::nullopt, "Auto Start=0 tray=1", {}},
      {"untick with no value there: silent",
       true,
       [] {
         sim::RegDeleteKey(RunKey);
         sim::RegCreateKey(RunKey);
       },
       std::nullopt,
       "Auto Start=0 tray=1",
       {}},
      // The value another place of the program left is brought up to date.
      {"tick: the current path",
       false,
       [] { sim::RegSetString(RunKey, ValueName, "D:\\Old\\Muralto.exe -a"); },
       here,
       "Auto Start=1 tray=1",
       {}},
      {"tick with no Run key: it is made", false, [] { sim::RegDeleteKey(RunKey); }, here, "Auto Start=1 tray=1", {}},
      // The failure reaches the error display and the save is skipped; the
      // switch has changed in memory all the same.
      {"tick refused",
       false,
       [] { sim::RegFailWritesUnder(RunKey, 5); },
       std::nullopt,
       "Auto Start=0 tray=1",
       {"Muralto 1.2: Failed to set data for 'Muralto 1.2'"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteSwitches(row.autoStart, true);
    Start();
    ForgetTheStart();
    row.before();
    OpenOptions({ClickAutoStart()});
    EXPECT_EQ(RunValue(), row.value);
    EXPECT_EQ(StoredSwitches(), row.stored);
    EXPECT_EQ(BoxTexts(), row.boxes);
    EXPECT_EQ(form->autoStart, !row.autoStart);
    EXPECT_EQ(muralto::FormOptions->CheckBoxAutoStart->Checked(), !row.autoStart);
    app.reset();
    sim::RegFailWritesUnder(RunKey, 0);
    sim::MessageBoxes().clear();
  }
}

TEST_F(OptionsTest, APathWithABlankIsQuotedAndAStartFromTheValueSeesDashA) {
  struct Row {
    const char* name;
    const char* folder;
    const char* value;
  } const rows[] = {
      // Unchanged from what the program always wrote.
      {"no blank", "C:\\Muralto\\", "C:\\Muralto\\Muralto.exe -a"},
      // Unquoted, the logon start would cut the path at its blank.
      {"a blank", "C:\\My Apps\\", "\"C:\\My Apps\\Muralto.exe\" -a"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string folder = row.folder;
    machine.MakeDir(folder + "data");
    WriteSwitches(true, true, folder + "Muralto.ini");
    sim::SetModuleFileName(folder + "Muralto.exe");
    Start();
    ASSERT_EQ(RunValue(), std::optional<std::string>(row.value));
    EXPECT_TRUE(app->ShowMainForm());
    app.reset();
    // The logon start, with the value as its command line.
    Start(row.value);
    EXPECT_FALSE(app->ShowMainForm()) << "started hidden";
    EXPECT_TRUE(form->running) << "and rotating";
    EXPECT_EQ(RunValue(), std::optional<std::string>(row.value));
    app.reset();
  }
}

TEST_F(OptionsTest, TheTrayBoxShowsAndRemovesTheIconAndLeavesTheSavingToTheClose) {
  WriteSwitches(true, true);
  Start();
  ForgetTheStart();
  std::vector<std::size_t> icons;
  auto count = [&] { icons.push_back(sim::TrayIcons().size()); };
  OpenOptions({ClickTray(), count, ClickTray(), count, ClickTray(), count});
  EXPECT_EQ(icons, (std::vector<std::size_t>{0, 1, 0}));
  EXPECT_EQ(NotifyMessages(), (std::vector<std::uint32_t>{platform::NimDelete, platform::NimAdd, platform::NimDelete}));
  EXPECT_FALSE(form->showTray);
  EXPECT_EQ(StoredSwitches(), "no file") << "the tray switch saves nothing by itself";
  EXPECT_TRUE(sim::RegJournal().empty());
  // Closing the main window stores it.
  form->Close();
  EXPECT_EQ(StoredSwitches(), "Auto Start=1 tray=0");
}

TEST_F(OptionsTest, AnIconTheShellRefusesIsReportedAndTheTrayBoxStaysTicked) {
  WriteSwitches(true, false);
  Start();
  ForgetTheStart();
  sim::SetTrayRefuses(platform::NimAdd, true);
  bool ticked = false;
  OpenOptions({ClickTray(), [&] { ticked = muralto::FormOptions->cbTray->Checked(); }});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Muralto 1.2: Error adding tray icon."});
  EXPECT_TRUE(ticked);
  EXPECT_TRUE(form->showTray) << "the switch is set before the icon";
  EXPECT_FALSE(form->TrayIcon->Active());
  EXPECT_TRUE(sim::TrayIcons().empty());
}

}  // namespace
