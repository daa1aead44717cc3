#pragma once
// TForm1: the main window. It carries the program's state, builds its
// controls from the "main" layout and holds the handlers of its controls:
// the set-up and the saves at close, the rotation, and the folder list.
#include <cstdint>
#include <memory>
#include <string>

#include "app/MainWindowState.h"
#include "toolkit/forms/Form.h"
#include "ui/OptionsHost.h"
#include "wallpaper/RuntimeRandom.h"
#include "wallpaper/WPChanger.h"

namespace toolkit {
class TBitmap;
class TButton;
class TJPEGImage;
class TListView;
class TRadioGroup;
class TStatusBar;
class TTimer;
}  // namespace toolkit

namespace muralto {

class TCSpinEdit;
class TStDropFiles;
class TStTrayIcon;

// The form's own base sub-object comes first: the library's form creation
// relies on the form's address being the TForm's.
class TForm1 : public toolkit::TForm, public MainWindowState, public TOptionsHost {
 public:
  explicit TForm1(toolkit::TComponent* owner);
  ~TForm1() override;

  std::unique_ptr<toolkit::TBitmap> workBitmap;
  std::unique_ptr<toolkit::TJPEGImage> jpegImage;

  // Controls from the layout.
  toolkit::TButton* ButtonStart = nullptr;
  toolkit::TButton* ButtonAdd = nullptr;
  toolkit::TButton* ButtonDelete = nullptr;
  toolkit::TButton* ButtonClear = nullptr;
  toolkit::TStatusBar* StatusBar1 = nullptr;
  toolkit::TRadioGroup* RadioGroupPosition = nullptr;
  toolkit::TRadioGroup* RadioGroupSelection = nullptr;
  toolkit::TListView* ListViewFolders = nullptr;
  TCSpinEdit* CSpinEditHour = nullptr;
  TCSpinEdit* CSpinEditMin = nullptr;
  TCSpinEdit* CSpinEditSec = nullptr;
  toolkit::TTimer* Timer1 = nullptr;
  TStDropFiles* StDropFiles1 = nullptr;
  TStTrayIcon* TrayIcon = nullptr;

  // Start-up and close.
  void FormCreate(toolkit::TObject* sender);
  void FormClose(toolkit::TObject* sender, toolkit::TCloseAction& action);
  void FormKeyDown(toolkit::TObject* sender, std::uint16_t& key, unsigned shift);

  // The rotation.
  void ButtonStartClick(toolkit::TObject* sender);
  void Timer1Timer(toolkit::TObject* sender);
  void PMChangeClick(toolkit::TObject* sender);
  void CSpinEditHourChange(toolkit::TObject* sender);
  void CSpinEditMinChange(toolkit::TObject* sender);
  void CSpinEditSecChange(toolkit::TObject* sender);
  void RadioGroupSelectionClick(toolkit::TObject* sender);
  void RadioGroupPositionClick(toolkit::TObject* sender);
  void NextWallpaper();

  // The folder list and the menus.
  void ButtonAddClick(toolkit::TObject* sender);
  void ButtonDeleteClick(toolkit::TObject* sender);
  void ButtonClearClick(toolkit::TObject* sender);
  void ListViewFoldersClick(toolkit::TObject* sender);
  void MExitClick(toolkit::TObject* sender);
  void PExitClick(toolkit::TObject* sender);
  void PRestoreClick(toolkit::TObject* sender);
  void MAboutClick(toolkit::TObject* sender);
  std::string BrowseForFolder();
  // Shows the main window, restored, in front: the tray's Restore and the
  // request of a second copy.
  void BringToFront();

  // What the Options dialog works on.
  bool AutoStartSetting() const override { return autoStart; }
  void SetAutoStartSetting(bool on) override { autoStart = on; }
  bool ShowTraySetting() const override { return showTray; }
  void SetShowTraySetting(bool on) override { showTray = on; }
  void SaveMainSettings() override;

  // Operations filled by the options, language, tray and desktop-icon parts.
  void LoadLanguage(const std::string& name);
  void UpdateAutoStart() override;
  void SetTrayHint(const std::string& hint);
  void SetTrayActive(bool active) override;
  void SetTrayActiveAtStart(bool active);
  void MOptionsClick(toolkit::TObject* sender);
  void MLangEnglishClick(toolkit::TObject* sender);
  void MLangRussianClick(toolkit::TObject* sender);
  void PMShowIconsClick(toolkit::TObject* sender);
  void PMHideIconsClick(toolkit::TObject* sender);

  // Folders dropped onto the folder list.
  void StDropFiles1DropFiles(toolkit::TObject* sender, platform::Point point);

 private:
  void RetimeTimer();
  RuntimeRandom random_;
};

}  // namespace muralto
