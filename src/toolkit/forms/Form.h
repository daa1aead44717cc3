#pragma once
// TForm: a top-level window holding a fixed layout of controls.
#include <functional>
#include <string>

#include "toolkit/controls/FormLink.h"
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TButton;
class TMainMenu;

// The main window's fixed frame and the dialogs' frame; the numbers are the
// ones a layout dump shows.
enum class TFormBorderStyle { bsSingle = 1, bsDialog = 3 };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum class TPosition { poDesigned, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

class TForm : public TWinControl, public TFormLink {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // The class name of the form's window (the form class's name).
  const std::string& WindowClassName() const { return className_; }
  void SetWindowClassName(const std::string& name) { className_ = name; }

  int ClientWidth() const override { return clientWidth_; }
  int ClientHeight() const override { return clientHeight_; }
  void SetClientSize(int width, int height);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  unsigned BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(unsigned icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  platform::Hicon Icon() const;
  void SetIcon(platform::Hicon icon);
  // The icon of the program's resource of that name, loaded when it is first
  // needed: a dialog that is never opened costs the program's start nothing.
  void SetIconResource(const std::string& name);
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  bool KeyPreview() const override { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  TWinControl* ActiveControl() const { return activeControl_; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) override { modalResult_ = result; }
  bool Modal() const { return modal_; }

  TNotifyEvent OnCreate;
  TCloseEvent OnClose;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

  void Show();
  void Hide();
  // Asks the form to close: OnClose decides; the main form's close ends the
  // program, another form hides, a modal form ends its modal loop.
  void Close();
  // Shows the form modally: the other forms are disabled and messages,
  // timer ticks included, are dispatched until ModalResult is set.
  int ShowModal();
  // Runs OnCreate; a failure is shown and ends OnCreate only.
  void DoCreate();
  // Moves the focus to the next (or previous) control in tab order.
  void SelectNext(TWinControl* current, bool forward);
  // Moves the focus from a group's choice to the next (or previous) choice
  // of its group, round at either end, and chooses it, as a click would.
  void SelectNextChoice(TWinControl* current, bool forward);
  // The keyboard is in use: focus rectangles show from now on, as in a
  // dialog once a key moved the focus.
  void ShowFocusCues();
  TButton* DefaultButton() const;
  TButton* CancelButton() const;
  // The menu changed: the window shows the new one.
  void MenuChanged();
  // The focus arrived in control, one of this form's or the form itself:
  // it goes back there whenever the form is activated again.
  void FocusArrived(TWinControl* control) override;

  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  void SendIcon(platform::Hicon icon);
  void UpdateOuterSize();
  void CentreOnScreen();
  std::uint32_t WindowStyle() const;
  std::uint32_t WindowExStyle() const;
  void RestoreFocus();
  bool CloseModal();
  TButton* FindButton(bool wantDefault, const TWinControl* within) const;

  std::string className_ = "TForm";
  int clientWidth_ = 0, clientHeight_ = 0;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSingle;
  unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = TPosition::poDesigned;
  mutable platform::Hicon icon_ = 0;
  mutable std::string iconResource_;  // still to be loaded into icon_
  TMainMenu* menu_ = nullptr;
  bool keyPreview_ = false;
  TWinControl* activeControl_ = nullptr;
  bool focusOnForm_ = false;  // the form's own window had the focus last
  TWindowState windowState_ = TWindowState::wsNormal;
  int modalResult_ = mrNone;
  bool modal_ = false;
  bool placed_ = false;
};

}  // namespace toolkit
