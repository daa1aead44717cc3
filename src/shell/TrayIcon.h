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

namespace toolkit {
class TForm;
class TImageList;
class TPopupMenu;
class TTimer;
}  // namespace toolkit

namespace muralto {

class ETrayIconError : public toolkit::Exception {
 public:
  explicit ETrayIconError(const std::string& message) : toolkit::Exception(message) {}
};

namespace traymsg {
inline const char* const AddFailed = "Error adding tray icon";
inline const char* const ModifyFailed = "Tray icon error";
inline const char* const NoImageList = "ImageList is not assigned";
inline const char* const SecondIcon = "Cannot have more than one StTrayIcon per application";
}  // namespace traymsg

using TTrayClickEvent =
    std::function<void(toolkit::TObject* sender, toolkit::TMouseButton button, toolkit::TShiftState shift)>;
using TTrayDblClickEvent = std::function<void(toolkit::TObject* sender, toolkit::TMouseButton button,
                                              toolkit::TShiftState shift, bool& restoreApp)>;

class TStCustomTrayIcon : public toolkit::TComponent {
 public:
  // The icon's identifier and the message its notifications arrive with.
  static constexpr std::uint32_t IconId = 2;
  static constexpr std::uint32_t CallbackMessage = platform::WmUser + 0x2FF;
  static constexpr std::size_t TipLength = 63;

  // The owner must be a form: it is the window hooked, hidden and shown.
  explicit TStCustomTrayIcon(toolkit::TComponent* owner);
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
  toolkit::TImageList* Images() const { return images_; }
  void SetImages(toolkit::TImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t ms);
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool on) { minimizeToTray_ = on; }
  toolkit::TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(toolkit::TPopupMenu* menu);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);

  TTrayClickEvent OnClick;
  TTrayDblClickEvent OnDblClick;
  toolkit::TNotifyEvent OnMinimize;
  toolkit::TNotifyEvent OnRestore;

  // The inner state, for whoever needs to look.
  bool IconInTray() const { return iconInTray_; }
  platform::Hwnd NotifyWindow() const { return notifyWindow_; }
  platform::WndProc SavedFormProc() const { return formHook_.Original(); }
  std::uint8_t StartupPassCount() const { return startupPassCount_; }
  platform::Hicon ShownIcon() const { return shownIcon_; }
  toolkit::TPopupMenu* BuiltInMenu() const { return builtInMenu_; }
  toolkit::TTimer* AnimationTimer() const { return animationTimer_; }
  int AnimationFrame() const { return animationFrame_; }
  bool ResumeAnimation() const { return resumeAnimation_; }

  void Loaded() override;
  void Notification(toolkit::TComponent* component, toolkit::TOperation operation) override;

 protected:
  bool NotifyIcon(std::uint32_t message);
  platform::Lresult WndProc(std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam);
  platform::Lresult AppWndProc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                               platform::Lparam lParam);
  void HookForm(bool install);
  void DoClick(toolkit::TMouseButton button, toolkit::TShiftState shift);
  void DoDblClick(toolkit::TMouseButton button, toolkit::TShiftState shift);
  void DoRestore();
  void ResetIcon();
  void DoTimer(toolkit::TObject* sender);
  void DoCloseClick(toolkit::TObject* sender);
  void DoRestoreClick(toolkit::TObject* sender);

 private:
  static platform::Lresult MURALTO_WINAPI NotifyWindowProc(platform::Hwnd window, std::uint32_t msg,
                                                           platform::Wparam wParam, platform::Lparam lParam);
  static void RefuseSecondIcon(const TStCustomTrayIcon* self);
  toolkit::TForm* OwnerForm() const;
  platform::Hwnd ApplicationWindow() const;
  bool Designing() const { return InState(toolkit::csDesigning); }
  bool SendAdd();
  void AddWhenTaskbarReady();
  void TaskbarAnnounced();
  void PopupTrayMenu();
  void ShowImage(int index);
  void UnhookForm();

  bool active_ = true;
  bool animate_ = false;
  bool closeToTray_ = true;
  bool hideOnRestore_ = false;
  std::string hint_;
  platform::Hicon icon_ = 0;
  toolkit::TImageList* images_ = nullptr;
  int imageIndex_ = 0;
  std::uint32_t interval_ = 250;
  bool minimizeToTray_ = false;
  toolkit::TPopupMenu* popupMenu_ = nullptr;
  bool showHint_ = true;

  bool iconInTray_ = false;
  platform::NotifyIconData sentRecord_;  // what the shell shows, while iconInTray_
  platform::Hwnd notifyWindow_ = 0;
  toolkit::TWindowSubclass formHook_;
  toolkit::TWindowSubclass taskbarHook_;       // on the application's window
  toolkit::TNotice::TMembership formCreated_;  // waits for the form's window
  std::uint8_t startupPassCount_ = 0;
  platform::Hicon shownIcon_ = 0;
  toolkit::TPopupMenu* builtInMenu_ = nullptr;
  toolkit::TTimer* animationTimer_ = nullptr;
  int animationFrame_ = 0;
  bool resumeAnimation_ = false;
  std::uint32_t taskbarCreated_ = 0;
};

class TStTrayIcon : public TStCustomTrayIcon {
 public:
  using TStCustomTrayIcon::TStCustomTrayIcon;
};

}  // namespace muralto
