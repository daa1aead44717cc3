#include "app/MainForm.h"

#include <exception>

#include "app/CommandLine.h"
#include "app/ProcessCommandLine.h"
#include "app/ProgramReferences.h"
#include "app/Settings.h"
#include "platform/dialogs.h"
#include "resources/layouts/Layouts.h"
#include "shell/DropFiles.h"
#include "shell/LayoutClasses.h"
#include "shell/SpinEdit.h"
#include "shell/TrayIcon.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/core/PathNames.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/Layout.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/JPEGImage.h"
#include "ui/AboutBox.h"
#include "ui/FormOptions.h"
#include "wallpaper/PicturePool.h"

namespace muralto {

namespace {

// Every handler the main window's layout may name.
toolkit::TLayoutHandlers MainHandlers(TForm1* f) {
  using toolkit::LayoutMethod;
  return {
      {"FormCreate", LayoutMethod(f, &TForm1::FormCreate)},
      {"FormClose", LayoutMethod(f, &TForm1::FormClose)},
      {"FormKeyDown", LayoutMethod(f, &TForm1::FormKeyDown)},
      {"ButtonStartClick", LayoutMethod(f, &TForm1::ButtonStartClick)},
      {"ButtonAddClick", LayoutMethod(f, &TForm1::ButtonAddClick)},
      {"ButtonDeleteClick", LayoutMethod(f, &TForm1::ButtonDeleteClick)},
      {"ButtonClearClick", LayoutMethod(f, &TForm1::ButtonClearClick)},
      {"RadioGroupPositionClick", LayoutMethod(f, &TForm1::RadioGroupPositionClick)},
      {"RadioGroupSelectionClick", LayoutMethod(f, &TForm1::RadioGroupSelectionClick)},
      {"ListViewFoldersClick", LayoutMethod(f, &TForm1::ListViewFoldersClick)},
      {"CSpinEditHourChange", LayoutMethod(f, &TForm1::CSpinEditHourChange)},
      {"CSpinEditMinChange", LayoutMethod(f, &TForm1::CSpinEditMinChange)},
      {"CSpinEditSecChange", LayoutMethod(f, &TForm1::CSpinEditSecChange)},
      {"StDropFiles1DropFiles", LayoutMethod(f, &TForm1::StDropFiles1DropFiles)},
      {"Timer1Timer", LayoutMethod(f, &TForm1::Timer1Timer)},
      {"PRestoreClick", LayoutMethod(f, &TForm1::PRestoreClick)},
      {"PMChangeClick", LayoutMethod(f, &TForm1::PMChangeClick)},
      {"PMShowIconsClick", LayoutMethod(f, &TForm1::PMShowIconsClick)},
      {"PMHideIconsClick", LayoutMethod(f, &TForm1::PMHideIconsClick)},
      {"PExitClick", LayoutMethod(f, &TForm1::PExitClick)},
      {"MExitClick", LayoutMethod(f, &TForm1::MExitClick)},
      {"MOptionsClick", LayoutMethod(f, &TForm1::MOptionsClick)},
      {"MLangEnglishClick", LayoutMethod(f, &TForm1::MLangEnglishClick)},
      {"MLangRussianClick", LayoutMethod(f, &TForm1::MLangRussianClick)},
      {"MAboutClick", LayoutMethod(f, &TForm1::MAboutClick)},
  };
}

}  // namespace

TForm1::TForm1(toolkit::TComponent* owner) : toolkit::TForm(owner) {
  toolkit::LoadLayout(this, LayoutText("main"), MainHandlers(this), {&RegisterShellLayoutClasses});
  ButtonStart = toolkit::LayoutComponent<toolkit::TButton>(this, "ButtonStart");
  ButtonAdd = toolkit::LayoutComponent<toolkit::TButton>(this, "ButtonAdd");
  ButtonDelete = toolkit::LayoutComponent<toolkit::TButton>(this, "ButtonDelete");
  ButtonClear = toolkit::LayoutComponent<toolkit::TButton>(this, "ButtonClear");
  StatusBar1 = toolkit::LayoutComponent<toolkit::TStatusBar>(this, "StatusBar1");
  RadioGroupPosition = toolkit::LayoutComponent<toolkit::TRadioGroup>(this, "RadioGroupPosition");
  RadioGroupSelection = toolkit::LayoutComponent<toolkit::TRadioGroup>(this, "RadioGroupSelection");
  ListViewFolders = toolkit::LayoutComponent<toolkit::TListView>(this, "ListViewFolders");
  CSpinEditHour = toolkit::LayoutComponent<TCSpinEdit>(this, "CSpinEditHour");
  CSpinEditMin = toolkit::LayoutComponent<TCSpinEdit>(this, "CSpinEditMin");
  CSpinEditSec = toolkit::LayoutComponent<TCSpinEdit>(this, "CSpinEditSec");
  Timer1 = toolkit::LayoutComponent<toolkit::TTimer>(this, "Timer1");
  StDropFiles1 = toolkit::LayoutComponent<TStDropFiles>(this, "StDropFiles1");
  TrayIcon = toolkit::LayoutComponent<TStTrayIcon>(this, "TrayIcon");
  SetFolders(&ListViewFolders->Items());

  wallpaperChanger = toolkit::TComponent::Create<TWPChanger>(this);
  workBitmap = std::make_unique<toolkit::TBitmap>();
  workBitmap->SetPixelFormat(toolkit::pf24bit);
  jpegImage = std::make_unique<toolkit::TJPEGImage>();
}

TForm1::~TForm1() {
  // The changer is owned by this window; the reference must not outlive it.
  wallpaperChanger = nullptr;
  if (Form1 == this) Form1 = nullptr;
  // The list's items go with the list view: nothing may reach them later.
  SetFolders(nullptr);
}

void TForm1::FormCreate(toolkit::TObject*) {
  toolkit::TApplication* app = toolkit::Application();
  // The title a second copy of the program looks for.
  if (app) app->SetTitle(Form1->Caption());
  // Where the program and its files live, and the tray icon's hint.
  appDir = toolkit::ExtractFilePath(app ? app->ExeName() : toolkit::ModuleFileName());
  SetTrayHint(Form1->Caption());
  dataDir = appDir + "data\\";
  folderListPath = dataDir + "folders.ini";
  // Both dialogs before the language, which sets their texts too.
  if (app) {
    app->CreateForm(FormOptions);
    ClearReferenceWhenDestroyed<FormOptions>();
    FormOptions->SetHost(this);
    app->CreateForm(AboutBox);
    ClearReferenceWhenDestroyed<AboutBox>();
  }
  // The stored settings, the language they name, the folder list and the
  // pictures of its checked folders.
  LoadSettings(*this);
  LoadLanguage(languageName);
  LoadFolderList(*this);
  RebuildPool(Folders(), picturePool);
  // The controls from the stored values; their handlers copy the
  // clamped values back and save them.
  RadioGroupSelection->SetItemIndex(selectionMode);
  RadioGroupPosition->SetItemIndex(positionMode);
  CSpinEditHour->SetValue(hours);
  CSpinEditMin->SetValue(minutes);
  CSpinEditSec->SetValue(seconds);
  // The tray icon and the Run value follow the stored switches.
  SetTrayActiveAtStart(showTray);
  UpdateAutoStart();
  // "-a": the hidden start with the rotation running.
  if (IsAutoStartCommandLine(ProcessCommandLine())) {
    if (app) app->SetShowMainForm(false);
    ButtonStartClick(this);
  }
}

void TForm1::FormClose(toolkit::TObject*, toolkit::TCloseAction& action) {
  try {
    SaveSettings(*this);
    SaveFolderList(*this);
  } catch (const std::exception&) {
    toolkit::HandleCurrentException();
    // Without a way out here the program could not be ended at all while
    // its folder is not writable. No is the default: Enter on the failure
    // box and Enter again here must not throw the unsaved settings away.
    int answer = toolkit::MessageBox("The settings could not be saved. Exit without saving them?",
                                     platform::MbYesNo | platform::MbIconQuestion | platform::MbDefButton2);
    if (answer != platform::IdYes) action = toolkit::TCloseAction::caNone;
  }
}

void TForm1::FormKeyDown(toolkit::TObject*, std::uint16_t& key, unsigned) {
  if (key == 27) Close();
}

void TForm1::MExitClick(toolkit::TObject*) { Close(); }
void TForm1::PExitClick(toolkit::TObject*) { Close(); }

}  // namespace muralto
