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

namespace vcl {
class TBitmap;
class TButton;
class TJPEGImage;
class TListView;
class TRadioGroup;
class TStatusBar;
class TTimer;
}  // namespace vcl

namespace muralto {

class TCSpinEdit;
class TStDropFiles;
class TStTrayIcon;

// The form's own base sub-object comes first: the library's form creation
// relies on the form's address being the TForm's.
class TForm1 : public vcl::TForm, public MainWindowState, public TOptionsHost {
 public:
  explicit TForm1(vcl::TComponent* owner);
  ~TForm1() override;

  std::unique_ptr<vcl::TBitmap> workBitmap;
  std::unique_ptr<vcl::TJPEGImage> jpegImage;

  // Controls from the layout.
  vcl::TButton* ButtonStart = nullptr;
  vcl::TButton* ButtonAdd = nullptr;
  vcl::TButton* ButtonDelete = nullptr;
  vcl::TButton* ButtonClear = nullptr;
  vcl::TStatusBar* StatusBar1 = nullptr;
  vcl::TRadioGroup* RadioGroupPosition = nullptr;
  vcl::TRadioGroup* RadioGroupSelection = nullptr;
  vcl::TListView* ListViewFolders = nullptr;
  TCSpinEdit* CSpinEditHour = nullptr;
  TCSpinEdit* CSpinEditMin = nullptr;
  TCSpinEdit* CSpinEditSec = nullptr;
  vcl::TTimer* Timer1 = nullptr;
  TStDropFiles* StDropFiles1 = nullptr;
  TStTrayIcon* TrayIcon = nullptr;

  // Start-up and close.
  void FormCreate(vcl::TObject* sender);
  void FormClose(vcl::TObject* sender, vcl::TCloseAction& action);
  void FormKeyDown(vcl::TObject* sender, std::uint16_t& key, unsigned shift);

  // The rotation.
  void ButtonStartClick(vcl::TObject* sender);
  void Timer1Timer(vcl::TObject* sender);
  void PMChangeClick(vcl::TObject* sender);
  void CSpinEditHourChange(vcl::TObject* sender);
  void CSpinEditMinChange(vcl::TObject* sender);
  void CSpinEditSecChange(vcl::TObject* sender);
  void RadioGroupSelectionClick(vcl::TObject* sender);
  void RadioGroupPositionClick(vcl::TObject* sender);
  void NextWallpaper();

  // The folder list and the menus.
  void ButtonAddClick(vcl::TObject* sender);
  void ButtonDeleteClick(vcl::TObject* sender);
  void ButtonClearClick(vcl::TObject* sender);
  void ListViewFoldersClick(vcl::TObject* sender);
  void MExitClick(vcl::TObject* sender);
  void PExitClick(vcl::TObject* sender);
  void PRestoreClick(vcl::TObject* sender);
  void MAboutClick(vcl::TObject* sender);
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
  void MOptionsClick(vcl::TObject* sender);
  void MLangEnglishClick(vcl::TObject* sender);
  void MLangRussianClick(vcl::TObject* sender);
  void PMShowIconsClick(vcl::TObject* sender);
  void PMHideIconsClick(vcl::TObject* sender);

  // Folders dropped onto the folder list.
  void StDropFiles1DropFiles(vcl::TObject* sender, platform::Point point);

 private:
  void RetimeTimer();
  RuntimeRandom random_;
};

}  // namespace muralto
