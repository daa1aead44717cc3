// The set-up in its fixed order, the hidden start, the saves at close and
// the entry routine with its running-copy check.
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "app/MuraltoMain.h"
#include "app/Settings.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/sim/tray_world.h"
#include "shell/SpinEdit.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/forms/Timer.h"
#include "ui/AboutBox.h"
#include "ui/FormOptions.h"

namespace {

using apptest::FolderList;
using apptest::MainFormTest;
using apptest::MainIni;
using apptest::RunKey;

TEST_F(MainFormTest, AFirstStartWritesTheDefaultsAndMovesTheHourEditToOne) {
  Start();
  EXPECT_EQ(machine.ReadFile(MainIni), apptest::DefaultIni);
  EXPECT_EQ(form->CSpinEditHour->Text(), "1");
  EXPECT_EQ(form->CSpinEditMin->Text(), "0");
  EXPECT_EQ(form->hours, 1);
  EXPECT_EQ(app->Title(), "Muralto 1.2");
  EXPECT_EQ(form->appDir, "C:\\Muralto\\");
  EXPECT_EQ(form->dataDir, "C:\\Muralto\\data\\");
  EXPECT_EQ(form->folderListPath, FolderList);
  EXPECT_NE(muralto::FormOptions, nullptr);
  EXPECT_NE(muralto::AboutBox, nullptr);
  EXPECT_EQ(muralto::FormOptions->Host(), form) << "the dialog works on the main window's switches";
  EXPECT_EQ(muralto::wallpaperChanger->Owner(), form);
  EXPECT_EQ(form->workBitmap->PixelFormat(), toolkit::pf24bit);
  EXPECT_EQ(form->ListViewFolders->Items().Count(), 0);
  EXPECT_EQ(sim::RegGetString(RunKey, "Muralto 1.2"), "C:\\Muralto\\Muralto.exe -a");
  EXPECT_FALSE(form->running);
  EXPECT_EQ(form->ButtonStart->Caption(), "Start");
  EXPECT_TRUE(app->ShowMainForm());
  EXPECT_FALSE(machine.Exists(FolderList)) << "the folder list is written at close, not at start";
}

TEST_F(MainFormTest, StoredValuesComeBackAsTheControlsHoldThem) {
  struct Row {
    const char* name;
    int selection, position, hour;
    int wantSelection, wantPosition, wantHours;
    int wantSelectionItem, wantPositionItem;
    const char* wantHourText;
  };
  const Row rows[] = {
      // An hour beyond the edit's range changes its text: the clamped value is stored back.
      {"hour 30", 0, 0, 30, 0, 0, 24, 0, 0, "24"},
      // A negative hour shows as the "0" the edit already shows: no event, the field keeps it.
      {"hour -2", 0, 0, -2, 0, 0, -2, 0, 0, "0"},
      // Selection 5 chooses the last item, whose click stores 1.
      {"selection 5", 5, 0, 1, 1, 0, 1, 1, 0, "1"},
      // A negative mode leaves no item chosen and raises no click.
      {"selection -3", -3, 0, 1, -3, 0, 1, -1, 0, "1"},
      {"position 7", 0, 7, 1, 0, 2, 1, 0, 2, "1"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    machine.WriteFile(MainIni, "[Options]\r\nAuto Start=0\r\nSelection=" + std::to_string(row.selection) +
                                   "\r\nPosition=" + std::to_string(row.position) +
                                   "\r\n[Pause]\r\nHour=" + std::to_string(row.hour) + "\r\n");
    Start();
    EXPECT_EQ(form->selectionMode, row.wantSelection);
    EXPECT_EQ(form->positionMode, row.wantPosition);
    EXPECT_EQ(form->hours, row.wantHours);
    EXPECT_EQ(form->RadioGroupSelection->ItemIndex(), row.wantSelectionItem);
    EXPECT_EQ(form->RadioGroupPosition->ItemIndex(), row.wantPositionItem);
    EXPECT_EQ(form->CSpinEditHour->Text(), row.wantHourText);
    // Closing writes back what the fields hold.
    form->Close();
    EXPECT_TRUE(app->Terminated());
    muralto::MainWindowState saved;
    muralto::LoadSettings(saved);
    EXPECT_EQ(saved.hours, row.wantHours);
    EXPECT_EQ(saved.selectionMode, row.wantSelection);
    EXPECT_EQ(saved.positionMode, row.wantPosition);
    app.reset();
  }
}

// Every later step stays undone: "-a" takes no effect, and the radio groups,
// the spin edits, the tray icon and the Run value stay as the layout and the
// last run left them unless their own step came before the failure.
TEST_F(MainFormTest, AFailingStepLeavesTheLaterStepsUndone) {
  struct Row {
    const char* step;
    const char* autoStart;
    std::function<void()> fail;
    const char* message;
    int selectionItem, positionItem;
    const char* secText;
    std::size_t trayIcons;
  } const rows[] = {
      {"10, the folder scan", "0",
       [] {
         sim::SetFindHook([](const std::string& pattern) {
           if (pattern.starts_with("C:\\Pics")) throw std::bad_alloc();
         });
       },
       "std::bad_alloc.", 0, 0, "0", 1},
      // The selection's click handler is the first that saves.
      {"11, the first save", "0", [] { sim::DenyWritesUnder("C:\\Muralto"); },
       "Unable to write to C:\\Muralto\\Muralto.ini.", 1, 0, "0", 1},
      {"14, the Run value", "1", [] { sim::RegFailWritesUnder(RunKey, 5); }, "Failed to set data for 'Muralto 1.2'", 1,
       2, "5", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.step);
    const support::TestMachine fresh;
    fresh.WriteFile(MainIni, std::string("[Options]\r\nAuto Start=") + row.autoStart +
                                 "\r\ntray=0\r\nSelection=1\r\nPosition=2\r\n[Pause]\r\nHour=0\r\nSec=5\r\n");
    fresh.WriteFile(FolderList, "[Folders]\r\nTotal=1\r\nFolder1=C:\\Pics\r\n");
    sim::RegSetString(RunKey, "Muralto 1.2", "old");
    row.fail();
    Start("Muralto.exe -a");
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(sim::MessageBoxes()[0].text, row.message);
    EXPECT_EQ(sim::MessageBoxes()[0].caption, "Muralto 1.2");
    EXPECT_EQ(sim::MessageBoxes()[0].type & 0xF0u, platform::MbIconError);
    EXPECT_EQ(form->RadioGroupSelection->ItemIndex(), row.selectionItem);
    EXPECT_EQ(form->RadioGroupPosition->ItemIndex(), row.positionItem);
    EXPECT_EQ(form->CSpinEditSec->Text(), row.secText);
    EXPECT_EQ(sim::TrayIcons().size(), row.trayIcons);
    EXPECT_EQ(sim::RegGetString(RunKey, "Muralto 1.2"), "old");
    EXPECT_FALSE(form->running) << "-a has no effect";
    EXPECT_TRUE(app->ShowMainForm());
    app.reset();
  }
}

// A copy renamed beside the program reads and writes a settings file named
// after itself, but the folder list of the data folder is the one list.
TEST_F(MainFormTest, AnExecutableUnderAnotherNameHasSettingsOfItsOwnAndSharesTheFolderList) {
  WriteSettings(1, 2, 3, 4, 5);
  WriteFolderList("C:\\Pics");
  const std::string stored = machine.ReadFile(MainIni);
  sim::SetModuleFileName("C:\\Muralto\\Other.exe");
  Start("C:\\Muralto\\Other.exe");
  EXPECT_EQ(machine.ReadFile("C:\\Muralto\\Other.ini"), apptest::DefaultIni) << "the defaults";
  ASSERT_EQ(form->ListViewFolders->Items().Count(), 1);
  EXPECT_EQ(form->ListViewFolders->Items().Item(0)->Caption(), "C:\\Pics");
  form->Close();
  EXPECT_EQ(machine.ReadFile(MainIni), stored) << "the other copy's file is left alone";
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=1\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\n");
}

// The logon start with the tray icon off: nothing of the program shows, not
// even the icon, and the wallpaper changes all the same.
TEST_F(MainFormTest, AHiddenStartWithTheTrayOffShowsNothingAndRotates) {
  machine.MakeDir("C:\\Pics");
  MakePicture("C:\\Pics\\a.bmp", 10);
  WriteFolderList("C:\\Pics");
  machine.WriteFile(MainIni, "[Options]\r\ntray=0\r\n[Pause]\r\nHour=0\r\nSec=5\r\n");
  std::vector<std::string> shown;
  bool looked = false;
  sim::SetIdleHandler([&] {
    if (looked || !muralto::Form1) return;
    looked = true;
    sim::AdvanceClock(5000);
    for (const sim::WindowInfo& w : sim::Windows()) {
      if (w.visible && !w.parent) shown.push_back(w.className);
    }
    for (std::size_t i = 0; i < sim::TrayIcons().size(); ++i) shown.push_back("a tray icon");
    platform::PostMessageA(muralto::Form1->Handle(), platform::WmClose, 0, 0);
  });
  EXPECT_EQ(muralto::MuraltoMain("C:\\Muralto\\Muralto.exe -a"), 0);
  EXPECT_TRUE(looked);
  EXPECT_EQ(shown, std::vector<std::string>{});
  EXPECT_TRUE(sim::MessageBoxes().empty());
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u) << "one pick, five seconds after the start";
}

TEST_F(MainFormTest, OnlyAFirstArgumentOfExactlyDashAStartsHiddenAndRunning) {
  struct Row {
    const char* commandLine;
    bool hidden;
  };
  const Row rows[] = {
      {"Muralto.exe -a", true},
      {"\"C:\\Program Files\\Muralto\\Muralto.exe\" -a", true},
      {"Muralto.exe -A", false},
      {"Muralto.exe x -a", false},
      // An empty argument is the first argument.
      {"Muralto.exe \"\" -a", false},
      // An unquoted path with a blank makes its second piece the first argument.
      {"C:\\Program Files\\Muralto\\Muralto.exe -a", false},
      {"Muralto.exe", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.commandLine);
    Start(row.commandLine);
    EXPECT_EQ(form->running, row.hidden);
    EXPECT_EQ(app->ShowMainForm(), !row.hidden);
    EXPECT_EQ(form->ButtonStart->Caption(), row.hidden ? "Stop" : "Start");
    EXPECT_EQ(form->Timer1->Enabled(), row.hidden);
    app.reset();
  }
}

TEST_F(MainFormTest, EveryCloseWritesBothFilesAndEndsTheProgram) {
  struct Row {
    const char* route;
    void (*close)(muralto::TForm1* form);
  };
  const Row rows[] = {
      {"close box", [](muralto::TForm1* form) { platform::SendMessageA(form->Handle(), platform::WmClose, 0, 0); }},
      {"File > Exit",
       [](muralto::TForm1* form) {
         const auto file = sim::MenuItems(sim::MenuItems(platform::GetMenu(form->Handle())).at(0).submenu);
         ASSERT_EQ(file.at(0).caption, "Exit");
         platform::SendMessageA(form->Handle(), platform::WmCommand, file.at(0).id, 0);
       }},
      {"tray Exit", [](muralto::TForm1* form) { form->PExitClick(nullptr); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.route);
    WriteFolderList("C:\\Pics");
    Start();
    form->Show();
    // Both files differ from what the fields hold, so only the saves at close can restore them.
    machine.Remove(MainIni);
    machine.WriteFile(FolderList, "[Folders]\r\nTotal=0\r\n");
    row.close(form);
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(machine.ReadFile(MainIni), apptest::DefaultIni);
    EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=1\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\n");
    EXPECT_TRUE(sim::WallpaperCalls().empty()) << "no pick at exit";
    app.reset();
  }
}

TEST_F(MainFormTest, EntriesMissingBehindADamagedTotalScanNothingAndAreWrittenBack) {
  machine.MakeDir("C:\\Pics");
  MakePicture("C:\\Pics\\a.bmp", 10);
  // On the current drive's root, where an empty path would lead.
  MakePicture("C:\\stray.bmp", 20);
  machine.WriteFile(FolderList, "[Folders]\r\nTotal=100\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\n");
  Start();
  toolkit::TListItems& items = form->ListViewFolders->Items();
  ASSERT_EQ(items.Count(), 100);
  EXPECT_EQ(items.Item(99)->Caption(), "");
  EXPECT_TRUE(items.Item(99)->Checked());
  ASSERT_EQ(form->picturePool.Count(), 1);
  EXPECT_EQ(form->picturePool.Strings(0), "C:\\Pics\\a.bmp");
  form->Close();
  std::string expected = "[Folders]\r\nTotal=100\r\nFolder1=C:\\Pics\r\nChecked Folder1=1\r\n";
  for (int n = 2; n <= 100; ++n) {
    expected += "Folder" + std::to_string(n) + "=\r\nChecked Folder" + std::to_string(n) + "=1\r\n";
  }
  EXPECT_EQ(machine.ReadFile(FolderList), expected);
}

TEST_F(MainFormTest, AFailedSaveAtCloseOffersToExitWithoutSavingAndEnterKeepsTheProgram) {
  Start();
  sim::DenyWritesUnder("C:\\Muralto");
  // No answers scripted: Enter on the failure box, and Enter again on the question.
  form->Close();
  EXPECT_FALSE(app->Terminated()) << "Enter twice must not throw the unsaved settings away";
  ASSERT_EQ(sim::MessageBoxes().size(), 2u);
  EXPECT_EQ(sim::MessageBoxes()[0].text, "Unable to write to C:\\Muralto\\Muralto.ini.");
  EXPECT_EQ(sim::MessageBoxes()[1].text, "The settings could not be saved. Exit without saving them?");
  EXPECT_EQ(sim::MessageBoxes()[1].caption, "Muralto 1.2");
  EXPECT_EQ(sim::MessageBoxes()[1].type & 0xF, platform::MbYesNo);
  sim::SetMessageBoxHandler([](const sim::MessageBoxCall& box) {
    return (box.type & 0xF) == platform::MbYesNo ? platform::IdYes : platform::IdOk;
  });
  form->Close();
  EXPECT_TRUE(app->Terminated()) << "Yes ends it";
}

TEST_F(MainFormTest, TheFailureDisplayAddsAFullStopAfterCharactersBeyondIt) {
  struct Row {
    const char* message;
    const char* shown;
  };
  const Row rows[] = {{"Cannot open file C:\\a.bmp", "Cannot open file C:\\a.bmp."},
                      {"Done.", "Done."},
                      {"Ends in a dash -", "Ends in a dash -"},
                      {"Ends in a slash/", "Ends in a slash/."},
                      {"", ""}};
  Start();
  for (const Row& row : rows) {
    sim::MessageBoxes().clear();
    app->ShowException(row.message);
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(sim::MessageBoxes()[0].text, row.shown) << row.message;
    EXPECT_EQ(sim::MessageBoxes()[0].caption, "Muralto 1.2");
  }
}

TEST_F(MainFormTest, EscapeClosesOnlyWhenTheKeyReachesTheWindowItself) {
  Start();
  form->Show();
  platform::SendMessageA(form->ButtonAdd->Handle(), platform::WmKeyDown, platform::VkEscape, 0);
  platform::SendMessageA(form->ListViewFolders->Handle(), platform::WmKeyDown, platform::VkEscape, 0);
  EXPECT_FALSE(app->Terminated());
  platform::SendMessageA(form->Handle(), platform::WmKeyDown, 'A', 0);
  EXPECT_FALSE(app->Terminated());
  platform::SendMessageA(form->Handle(), platform::WmKeyDown, platform::VkEscape, 0);
  EXPECT_TRUE(app->Terminated());
  EXPECT_TRUE(machine.Exists(FolderList));
}

// A second start only brings the running copy forward: one started hidden
// stays hidden, and nothing is created, written or sent.
TEST_F(MainFormTest, ASecondStartOnlyBringsTheRunningCopyForward) {
  Start("C:\\Muralto\\Muralto.exe -a");
  form->HandleNeeded();
  const std::string ini = machine.ReadFile(MainIni);
  const std::size_t windows = sim::Windows().size();
  sim::RegJournal().clear();
  EXPECT_EQ(muralto::MuraltoMain("C:\\Muralto\\Muralto.exe"), 0);
  sim::DispatchPending();
  EXPECT_EQ(platform::GetForegroundWindow(), app->Handle());
  EXPECT_FALSE(platform::IsWindowVisible(form->Handle()));
  EXPECT_EQ(muralto::Form1, form);
  EXPECT_EQ(sim::Windows().size(), windows);
  EXPECT_EQ(machine.ReadFile(MainIni), ini);
  EXPECT_TRUE(sim::RegJournal().empty());
}

// The foreground window, the focus, and whether that window shows.
struct Front {
  platform::Hwnd window = 0, focus = 0;
  bool shown = false;
  bool operator==(const Front&) const = default;
};
Front LookAtTheFront() {
  const platform::Hwnd window = platform::GetForegroundWindow();
  return {window, platform::GetFocus(), platform::IsWindowVisible(window)};
}

// With another program in front, a second start brings the window the user
// works with to the front: the main window, or the dialog open over it, with
// the focus where it was. The hidden stand-in must not keep the activation.
TEST_F(MainFormTest, ASecondStartBringsTheShownWindowOrItsOpenDialogForward) {
  for (const char* dialogItem : {"", "MOptions", "MAbout"}) {
    SCOPED_TRACE(dialogItem);
    machine.Restart();
    Start();
    form->Show();
    form->ButtonClear->SetFocus();
    Front before, after;
    auto secondStart = [&] {
      before = LookAtTheFront();
      sim::ActivateOtherProgram();
      EXPECT_EQ(muralto::MuraltoMain("C:\\Muralto\\Muralto.exe"), 0);
    };
    if (*dialogItem == '\0') {
      secondStart();
      sim::DispatchPending();
      after = LookAtTheFront();
    } else {
      // Inside the dialog's loop: the start, then a look once what it set off has run.
      int idle = 0;
      sim::SetIdleHandler([&] {
        if (idle == 0) secondStart();
        if (idle == 1) after = LookAtTheFront();
        platform::PostMessageA(before.window, idle++ == 0 ? platform::WmNull : platform::WmClose, 0, 0);
      });
      auto* item = dynamic_cast<toolkit::TMenuItem*>(form->FindComponent(dialogItem));
      ASSERT_NE(item, nullptr);
      platform::PostMessageA(form->Handle(), platform::WmCommand, item->Command(), 0);
      sim::DispatchPending();
      sim::SetIdleHandler(nullptr);
      ASSERT_NE(before.window, form->Handle()) << "the dialog was in front before";
    }
    EXPECT_TRUE(before.shown && before.focus);
    EXPECT_EQ(after, before);
    app.reset();
  }
  // Behind an open failure box, the box comes forward.
  machine.Restart();
  Start();
  form->Show();
  platform::Hwnd box = 0;
  Front after;
  sim::SetMessageBoxHandler([&](const sim::MessageBoxCall&) {
    box = platform::GetForegroundWindow();
    sim::ActivateOtherProgram();
    EXPECT_EQ(muralto::MuraltoMain("C:\\Muralto\\Muralto.exe"), 0);
    sim::DispatchPending();
    after = LookAtTheFront();
    return platform::IdOk;
  });
  app->ShowException("Cannot open file C:\\a.jpg");
  EXPECT_NE(box, form->Handle());
  EXPECT_EQ(after.window, box);
}

// A box belongs to the window the user works with: it takes no taskbar
// button of its own, stays above that window and is in front while open,
// and the window has the keyboard back once it has closed. With nothing of
// the program shown it stands alone, where it can be found.
TEST_F(MainFormTest, BoxesBelongToTheShownWindow) {
  Start();
  platform::Hwnd front = 0;
  sim::SetMessageBoxHandler([&](const sim::MessageBoxCall&) {
    front = platform::GetForegroundWindow();
    return platform::IdOk;
  });
  auto ownerOfBoxes = [&] {
    sim::MessageBoxes().clear();
    app->ShowException("Cannot open file C:\\a.jpg");
    toolkit::ShowMessage("Please, drag folders only");
    EXPECT_EQ(sim::MessageBoxes().size(), 2u);
    EXPECT_EQ(sim::MessageBoxes()[0].owner, sim::MessageBoxes()[1].owner);
    return sim::MessageBoxes()[0].owner;
  };
  EXPECT_EQ(ownerOfBoxes(), 0u) << "hidden";
  form->Show();
  form->ButtonClear->SetFocus();
  EXPECT_EQ(ownerOfBoxes(), form->Handle());
  EXPECT_NE(front, form->Handle()) << "the box was in front";
  EXPECT_EQ(platform::GetForegroundWindow(), form->Handle());
  EXPECT_EQ(platform::GetFocus(), form->ButtonClear->Handle());
  platform::Hwnd owner = 0;
  sim::SetIdleHandler([&] {
    owner = ownerOfBoxes();
    platform::PostMessageA(muralto::AboutBox->Handle(), platform::WmClose, 0, 0);
  });
  muralto::AboutBox->ShowModal();
  sim::SetIdleHandler(nullptr);
  EXPECT_EQ(owner, muralto::AboutBox->Handle()) << "the open dialog";
  platform::Hwnd firstBox = 0;
  sim::SetMessageBoxHandler([&](const sim::MessageBoxCall& box) {
    if (!firstBox) {
      firstBox = platform::GetForegroundWindow();
      app->ShowException("Stream read error");
    } else {
      owner = box.owner;
    }
    return platform::IdOk;
  });
  app->ShowException("Cannot open file C:\\b.jpg");
  EXPECT_EQ(owner, firstBox) << "a box over a box";
  platform::ShowWindow(form->Handle(), platform::SwMinimize);
  EXPECT_EQ(ownerOfBoxes(), 0u) << "minimised";
}

TEST_F(MainFormTest, TheEntryRoutineRunsUntilTheWindowClosesAndReturnsZero) {
  bool closed = false;
  sim::SetIdleHandler([&] {
    if (!closed && muralto::Form1) {
      closed = true;
      EXPECT_TRUE(muralto::Form1->Visible());
      platform::PostMessageA(muralto::Form1->Handle(), platform::WmClose, 0, 0);
    }
  });
  EXPECT_EQ(muralto::MuraltoMain("C:\\Muralto\\Muralto.exe"), 0);
  for (auto& b : sim::MessageBoxes()) ADD_FAILURE() << b.text << " / " << b.caption;
  EXPECT_TRUE(closed);
  EXPECT_EQ(machine.ReadFile(FolderList), "[Folders]\r\nTotal=0\r\n");
  EXPECT_EQ(muralto::Form1, nullptr);
  EXPECT_EQ(muralto::wallpaperChanger, nullptr);
  EXPECT_EQ(muralto::FormOptions, nullptr);
  EXPECT_EQ(muralto::AboutBox, nullptr);
}

}  // namespace
