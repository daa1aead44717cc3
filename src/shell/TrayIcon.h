#pragma once
// TStCustomTrayIcon: one icon of the application in the taskbar's
// notification area. Mouse actions on the icon become events and a pop-up
// menu; the owner form's window procedure is hooked so that its Minimize
// (and, when asked, Close) system command hides the application into the
// notification area instead of the taskbar. TStTrayIcon is the class the
// window layouts create.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/tray.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/controls/WindowSubclass.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/Notice.h"

namespace vcl {
class TForm;
class TImageList;
class TPopupMenu;
class TTimer;
}  // namespace vcl

namespace muralto {

class ETrayIconError : public vcl::Exception {
 public:
  explicit ETrayIconError(const std::string& message) : vcl::Exception(message) {}
};

namespace traymsg {
inline const char* const AddFailed = "Error adding tray icon";
inline const char* const ModifyFailed = "Tray icon error";
inline const char* const NoImageList = "ImageList is not assigned";
inline const char* const SecondIcon = "Cannot have more than one StTrayIcon per application";
}  // namespace traymsg

using TTrayClickEvent = std::function<void(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift)>;
using TTrayDblClickEvent =
    std::function<void(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, bool& restoreApp)>;

class TStCustomTrayIcon : public vcl::TComponent {
 public:
  // The icon's identifier and the message its notifications arrive with.
  static constexpr std::uint32_t IconId = 2;
  static constexpr std::uint32_t CallbackMessage = platform::WmUser + 0x2FF;
  static constexpr std::size_t TipLength = 63;

  // The owner must be a form: it is the window hooked, hidden and shown.
  explicit TStCustomTrayIcon(vcl::TComponent* owner);
  ~TStCustomTrayIcon() override;

  void AddToTray();
  void DeleteFromTray();
  // Active as a program sets it while it starts: a notification area that
  // refuses the icon (the taskbar not there yet) is no failure; the icon
  // stays wanted and comes when the taskbar announces itself.
  void SetActiveAtStart(bool on);
  void RestoreApplication() { DoRestore(); }
  void MinimizeApplication();

  bool Active() const { return active_; }
  void SetActive(bool on);
  bool Animate() const { return animate_; }
  void SetAnimate(bool on);
  bool CloseToTray() const { return closeToTray_; }
  void SetCloseToTray(bool on) { closeToTray_ = on; }
  bool HideOnRestore() const { return hideOnRestore_; }
  void SetHideOnRestore(bool on) { hideOnRestore_ = on; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  platform::Hicon Icon() const { return icon_; }
  void SetIcon(platform::Hicon icon);
  vcl::TImageList* Images() const { return images_; }
  void SetImages(vcl::TImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t ms);
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool on) { minimizeToTray_ = on; }
  vcl::TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(vcl::TPopupMenu* menu);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  TTrayClickEvent OnClick;
  TTrayDblClickEvent OnDblClick;
  vcl::TNotifyEvent OnMinimize;
  vcl::TNotifyEvent OnRestore;

  // The inner state, for whoever needs to look.
  bool IconInTray() const { return iconInTray_; }
  platform::Hwnd NotifyWindow() const { return notifyWindow_; }
  platform::WndProc SavedFormProc() const { return formHook_.Original(); }
  std::uint8_t StartupPassCount() const { return startupPassCount_; }
  platform::Hicon ShownIcon() const { return shownIcon_; }
  vcl::TPopupMenu* BuiltInMenu() const { return builtInMenu_; }
  vcl::TTimer* AnimationTimer() const { return animationTimer_; }
  int AnimationFrame() const { return animationFrame_; }
  bool ResumeAnimation() const { return resumeAnimation_; }

  void Loaded() override;
  void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

 protected:
  bool NotifyIcon(std::uint32_t message);
  platform::Lresult WndProc(std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam);
  platform::Lresult AppWndProc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                               platform::Lparam lParam);
  void HookForm(bool install);
  void DoClick(vcl::TMouseButton button, vcl::TShiftState shift);
  void DoDblClick(vcl::TMouseButton button, vcl::TShiftState shift);
  void DoRestore();
  void ResetIcon();
  void DoTimer(vcl::TObject* sender);
  void DoCloseClick(vcl::TObject* sender);
  void DoRestoreClick(vcl::TObject* sender);

 private:
  static platform::Lresult MURALTO_WINAPI NotifyWindowProc(platform::Hwnd window, std::uint32_t msg,
                                                           platform::Wparam wParam, platform::Lparam lParam);
  static void RefuseSecondIcon(const TStCustomTrayIcon* self);
  vcl::TForm* OwnerForm() const;
  platform::Hwnd ApplicationWindow() const;
  bool Designing() const { return InState(vcl::csDesigning); }
  bool SendAdd();
  void AddWhenTaskbarReady();
  void PopupTrayMenu();
  void ShowImage(int index);
  void UnhookForm();

  bool active_ = true;
  bool animate_ = false;
  bool closeToTray_ = true;
  bool hideOnRestore_ = false;
  std::string hint_;
  platform::Hicon icon_ = 0;
  vcl::TImageList* images_ = nullptr;
  int imageIndex_ = 0;
  std::uint32_t interval_ = 250;
  bool minimizeToTray_ = false;
  vcl::TPopupMenu* popupMenu_ = nullptr;
  bool showHint_ = true;

  bool iconInTray_ = false;
  platform::Hwnd notifyWindow_ = 0;
  vcl::TWindowSubclass formHook_;
  vcl::TNotice::TMembership formCreated_;  // waits for the form's window
  std::uint8_t startupPassCount_ = 0;
  platform::Hicon shownIcon_ = 0;
  vcl::TPopupMenu* builtInMenu_ = nullptr;
  vcl::TTimer* animationTimer_ = nullptr;
  int animationFrame_ = 0;
  bool resumeAnimation_ = false;
  std::uint32_t taskbarCreated_ = 0;
};

class TStTrayIcon : public TStCustomTrayIcon {
 public:
  using TStCustomTrayIcon::TStCustomTrayIcon;
};

}  // namespace muralto
