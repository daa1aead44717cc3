#include "toolkit/forms/Application.h"

#include <vector>

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/MenuCommands.h"
#include "toolkit/controls/WindowExceptions.h"
#include "toolkit/forms/Form.h"

namespace toolkit {

namespace {

TApplication* current = nullptr;
constexpr const char* kApplicationClass = "TApplication";
// Posted to the application's window once it has been activated.
constexpr std::uint32_t kActivated = platform::WmApp + 0x100;

platform::Lresult MURALTO_WINAPI ApplicationWndProc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                                    platform::Lparam lParam) {
  try {
    switch (msg) {
      case platform::WmCommand:
        // Pop-up menus report to this window.
        if (lParam == 0 && platform::HiWord(wParam) == 0 && DispatchMenuCommand(platform::LoWord(wParam))) return 0;
        break;
      case platform::WmClose:
        if (current && current->MainForm()) current->MainForm()->Close();
        return 0;
      case platform::WmActivate:
        // Handed on once the system has finished activating this window:
        // another activation from inside this one would be undone by the
        // rest of it.
        if (platform::LoWord(wParam) != platform::WaInactive) platform::PostMessageA(window, kActivated, 0, 0);
        break;
      case kActivated:
        if (current && current->Handle() == window) current->Activated();
        return 0;
      default: break;
    }
  } catch (...) {
    HandleCurrentException();
    return 0;
  }
  return platform::DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

TApplication* Application() { return current; }

std::string FailureDisplayText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
    return message + ".";
  }
  return message;
}

std::string DefaultApplicationTitle(const std::string& exePath) {
  std::size_t slash = exePath.find_last_of("\\:");
  std::string name = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  if (name.size() > 1) {
    std::vector<char> tail(name.begin() + 1, name.end());
    platform::CharLowerBuffA(tail.data(), static_cast<std::uint32_t>(tail.size()));
    name = name.substr(0, 1) + std::string(tail.begin(), tail.end());
  }
  return name;
}

void HandleCurrentException(TFailureSource source) {
  std::string text;
  try {
    throw;
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    text = "Unknown failure";
  }
  try {
    if (current) {
      current->ShowException(text, source);
    } else {
      platform::MessageBoxA(0, FailureDisplayText(text).c_str(), "Error", platform::MbOk | platform::MbIconError);
    }
  } catch (...) {
    // The failure display itself failed (no memory for the text): nothing
    // else can show it, and nothing may leave a window procedure.
  }
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), previous_(current) {
  title_ = DefaultApplicationTitle(ExeName());
  platform::WndClass wc;
  wc.proc = ApplicationWndProc;
  wc.className = kApplicationClass;
  platform::RegisterClassA(&wc);
  // A hidden 0 x 0 window that stands for the program (its title is what
  // a second copy looks for).
  handle_ = platform::CreateWindowExA(0, kApplicationClass, title_.c_str(),
                                      platform::WsPopup | platform::WsCaption | platform::WsClipSiblings |
                                          platform::WsSysMenu | platform::WsMinimizeBox,
                                      platform::GetSystemMetrics(platform::SmCxScreen) / 2,
                                      platform::GetSystemMetrics(platform::SmCyScreen) / 2, 0, 0, 0, 0);
  // Published last: a constructor that throws runs no destructor, and a
  // half-made object must not be left behind as the current one.
  // What the controls' window procedures catch goes to the failure display.
  SetWindowExceptionHandler([] { HandleCurrentException(); });
  current = this;
}

TApplication::~TApplication() {
  // Forms go before the window that stands for the program.
  DestroyComponents();
  if (handle_) platform::DestroyWindow(handle_);
  if (current == this) current = previous_;
  // An application object from before this one still shows them.
  if (!current) SetWindowExceptionHandler(nullptr);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) platform::SetWindowTextA(handle_, title.c_str());
}

std::string TApplication::ExeName() const {
  std::vector<char> buffer(32768, '\0');
  std::uint32_t n = platform::GetModuleFileNameA(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
  if (n >= buffer.size()) n = static_cast<std::uint32_t>(buffer.size() - 1);
  return std::string(buffer.data(), n);
}

void TApplication::SetIcon(platform::Hicon icon) {
  icon_ = icon;
  if (handle_) platform::SendMessageA(handle_, platform::WmSetIcon, 1, static_cast<platform::Lparam>(icon));
}

void TApplication::Initialize() { platform::InitCommonControls(); }

void TApplication::FormConstructed(TForm* form) {
  if (!mainForm_) mainForm_ = form;
  form->DoCreate();
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::HandleMessage() {
  platform::Msg msg;
  int result = platform::GetMessageA(&msg, 0, 0, 0);
  if (result == 0 || result == -1) {
    // WM_QUIT, or a queue from which nothing can come any more.
    terminated_ = true;
    return;
  }
  ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
  platform::Msg msg;
  while (platform::PeekMessageA(&msg, 0, 0, 0, platform::PmRemove)) {
    if (msg.message == platform::WmQuit) {
      terminated_ = true;
      // Back on the queue, as the system's own loops do: a loop that runs
      // beneath this call (a message box, a menu, the folder browser) knows
      // nothing of the flag and would go on waiting.
      platform::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ProcessMessage(msg);
  }
}

bool TApplication::ProcessMessage(platform::Msg& msg) {
  try {
    if (IsDialogKey(msg)) return true;
  } catch (...) {
    HandleCurrentException();
    return true;
  }
  platform::TranslateMessage(&msg);
  platform::DispatchMessageA(&msg);
  return true;
}

bool TApplication::IsDialogKey(platform::Msg& msg) {
  if (msg.message != platform::WmKeyDown) return false;
  TWinControl* control = FindControl(msg.hwnd);
  if (!control) return false;
  TControl* top = control;
  while (top->Parent()) top = top->Parent();
  auto* form = dynamic_cast<TForm*>(top);
  if (!form || form == control) return false;
  switch (static_cast<int>(msg.wParam)) {
    case platform::VkTab:
      if (control->WantsTab()) return false;
      form->ShowFocusCues();
      form->SelectNext(control, platform::GetKeyState(platform::VkShift) >= 0);
      return true;
    case platform::VkLeft:
    case platform::VkUp:
    case platform::VkRight:
    case platform::VkDown:
      if (!control->IsGroupChoice()) return false;
      form->ShowFocusCues();
      form->SelectNextChoice(control, msg.wParam == platform::VkRight || msg.wParam == platform::VkDown);
      return true;
    case platform::VkReturn:
      if (control->WantsReturn()) return false;
      // As in a dialog: Enter presses the push button that has the focus,
      // which a push button does not do by itself, else the default one.
      if (auto* focused = dynamic_cast<TButton*>(control)) {
        focused->Click();
        return true;
      }
      if (TButton* button = form->DefaultButton()) {
        button->Click();
        return true;
      }
      return false;
    case platform::VkEscape:
      if (TButton* button = form->CancelButton()) {
        button->Click();
        return true;
      }
      return false;
    default: return false;
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  platform::PostQuitMessage(0);
}

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleAllocated()) platform::ShowWindow(mainForm_->Handle(), platform::SwMinimize);
  Fire(OnMinimize, this);
}

void TApplication::Restore() {
  if (mainForm_ && mainForm_->HandleAllocated()) platform::ShowWindow(mainForm_->Handle(), platform::SwRestore);
  Fire(OnRestore, this);
}

void TApplication::ShowException(const std::string& message, TFailureSource source) {
  // Timers keep ticking inside a box's own message loop. A tick that fails
  // again while a box is open would open a box inside the box at every tick,
  // and with no one at the screen (a hidden start whose every pick fails)
  // they pile up without end: windows, memory and stack. Such a tick says
  // nothing and the rotation goes on; the open box has said it. Any other
  // failure (a click, a save, a drop) is something the user just did and
  // shows its own box, inside an open one too.
  if (source == TFailureSource::TimerTick && openFailureBoxes_ > 0) return;
  ++openFailureBoxes_;
  struct Closed {
    int& open;
    ~Closed() { --open; }
  } closed{openFailureBoxes_};
  // Over a shown window the box belongs to it: no taskbar button of its own,
  // and it never falls behind the window it disables. With nothing shown it
  // stands alone, with a button by which it can be found.
  platform::MessageBoxA(FrontWindow(), FailureDisplayText(message).c_str(), title_.c_str(),
                        platform::MbOk | platform::MbIconError | platform::MbTaskModal);
}

}  // namespace toolkit
