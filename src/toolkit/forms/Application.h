#pragma once
// TApplication: the program's application object. It owns the forms, runs
// the message loop, carries the title (also the title of its own hidden
// top-level window of class "TApplication") and shows failures.
#include <exception>
#include <string>
#include <vector>

#include "platform/windowing.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Exceptions.h"

namespace toolkit {

class TForm;

// Where a failure was caught.
enum class TFailureSource { Handler, TimerTick };

class TApplication : public TComponent {
 public:
  // From construction until the last application object is gone, what the
  // controls' window procedures catch goes to the failure display.
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  // The executable's full path as the system reports it.
  std::string ExeName() const;
  platform::Hwnd Handle() const { return handle_; }
  TForm* MainForm() const { return mainForm_; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }
  bool Terminated() const { return terminated_; }
  platform::Hicon Icon() const { return icon_; }
  void SetIcon(platform::Hicon icon);

  void Initialize();
  // Creates a form owned by the application. The reference is set once the
  // form's constructor has finished, before OnCreate runs; a failure inside
  // OnCreate is shown and ends OnCreate only.
  template <class T>
  void CreateForm(T*& reference);
  // Shows the main form (unless ShowMainForm was cleared) and dispatches
  // messages until the main form closes.
  void Run();
  // Dispatches one message, waiting for one when none is there.
  void HandleMessage();
  // Dispatches what is queued now.
  void ProcessMessages();
  void Terminate();
  void Minimize();
  void Restore();
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;

  // The failure display: a modal error box with one OK button, titled with
  // the title; a full stop is added when the message is not empty and its
  // last character sorts after ".". It shows every failure, also behind an
  // open box, but for a timer's tick while a failure box is open.
  void ShowException(const std::string& message, TFailureSource source = TFailureSource::Handler);

  // The program's window the user works with now: the open modal form, else
  // the main form, while it is shown (and not minimised), or the box it owns
  // that was active last and still shows; 0 while nothing of the program
  // shows (hidden in the tray, or started hidden). Message boxes belong to it.
  platform::Hwnd FrontWindow() const;
  // The application's own window is a hidden stand-in for the program: what
  // brings the program forward (another copy, a menu of its own) activates
  // it. It hands the activation on to the front window.
  void HandActivationOn();
  // While one lives, the application's window keeps an activation it gets:
  // a pop-up menu it owns closes when the user clicks elsewhere only while
  // it stays the foreground window.
  class TActivationHold {
   public:
    explicit TActivationHold(TApplication& app) : app_(app) { ++app_.activationHolds_; }
    ~TActivationHold() { --app_.activationHolds_; }
    TActivationHold(const TActivationHold&) = delete;
    TActivationHold& operator=(const TActivationHold&) = delete;

   private:
    TApplication& app_;
  };

  // Used by CreateForm.
  void FormConstructed(TForm* form);
  // Used by a form's modal loop: the form is open, or closed again.
  void ModalOpened(TForm* form);
  void ModalClosed(TForm* form);
  // Used by the application's window when it has been activated.
  void Activated();

 private:
  platform::Hwnd ActiveFormHandle() const;
  bool ProcessMessage(platform::Msg& msg);
  bool IsDialogKey(platform::Msg& msg);

  std::string title_;
  platform::Hwnd handle_ = 0;
  TForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  int openFailureBoxes_ = 0;
  int activationHolds_ = 0;
  std::vector<TForm*> modalForms_;  // open modal forms, the innermost last
  platform::Hicon icon_ = 0;
  TApplication* previous_ = nullptr;  // the application object before this one
};

// The application object of the running program (the last one created), or null.
TApplication* Application();
// Shows the exception being handled with the application's failure display
// (a plain error box when there is no application object).
void HandleCurrentException(TFailureSource source = TFailureSource::Handler);
// The default title of an executable: its file name up to the first ".",
// every character after the first lower-cased.
std::string DefaultApplicationTitle(const std::string& exePath);
// The message the failure display shows.
std::string FailureDisplayText(const std::string& message);

template <class T>
void TApplication::CreateForm(T*& reference) {
  try {
    T* form = TComponent::Create<T>(this);
    reference = form;
    FormConstructed(form);
  } catch (...) {
    reference = nullptr;
    throw;
  }
}

}  // namespace toolkit
