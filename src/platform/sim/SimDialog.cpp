// Message boxes as windows of their own with a loop of their own, answered
// by a button's WM_COMMAND or by a scripted answer; and counted beeps.
#include <functional>
#include <map>
#include <vector>

#include "platform/dialogs.h"
#include "platform/messages.h"
#include "platform/sim/SimMachine.h"

namespace platform {
using namespace sim::detail;

namespace {

constexpr const char* kBoxClass = "#32770";
constexpr std::intptr_t kBoxTextId = 0xFFFF;
constexpr std::uint32_t kButtonsMask = 0xF;

std::map<Hwnd, OpenBox>& Boxes() { return TheWindows().openBoxes; }

// A button ends the box with its own id. Closing it counts as Cancel, except
// where the box has no way to cancel: OK alone answers OK (Wine: Cancel),
// and Yes/No cannot be closed.
Lresult MURALTO_WINAPI BoxProc(Hwnd box, std::uint32_t message, Wparam wParam, Lparam lParam) {
  auto open = Boxes().find(box);
  if (open != Boxes().end()) {
    if (message == WmCommand && LoWord(wParam) >= static_cast<std::uint32_t>(IdOk) &&
        LoWord(wParam) <= static_cast<std::uint32_t>(IdNo)) {
      open->second.answer = static_cast<int>(LoWord(wParam));
      return 0;
    }
    if (message == WmClose) {
      const std::uint32_t buttons = open->second.type & kButtonsMask;
      if (buttons == MbOk) {
        open->second.answer = IdOk;
      } else if (buttons != MbYesNo) {
        open->second.answer = IdCancel;
      }
      return 0;
    }
  }
  return DefWindowProcA(box, message, wParam, lParam);
}

Hwnd CreateBox(Hwnd owner, const std::string& text, const std::string& caption, std::uint32_t type) {
  WndClass boxClass;
  boxClass.proc = BoxProc;
  boxClass.className = kBoxClass;
  RegisterClassA(&boxClass);
  Hwnd box = CreateWindowExA(0, kBoxClass, caption.c_str(), WsPopup | WsCaption | WsSysMenu, 0, 0, 0, 0, owner, 0);
  if (!box) return 0;
  Boxes()[box].type = type;
  CreateWindowExA(0, "Static", text.c_str(), WsChild | WsVisible, 0, 0, 0, 0, box, kBoxTextId);
  return box;
}

// The windows a box disables while it is open: its owner, or with
// MB_TASKMODAL and no owner every top-level window of the thread.
std::vector<Hwnd> DisableForBox(Hwnd owner, std::uint32_t type, Hwnd box) {
  std::vector<Hwnd> candidates;
  if (owner) {
    candidates.push_back(owner);
  } else if (type & MbTaskModal) {
    for (Hwnd h : TheWindows().order) {
      const Window* w = Find(h);
      if (w && h != box && (w->parent == 0 || !(w->style & WsChild))) candidates.push_back(h);
    }
  }
  std::vector<Hwnd> disabled;
  for (Hwnd h : candidates) {
    if (IsWindowEnabled(h)) {
      EnableWindow(h, false);
      disabled.push_back(h);
    }
  }
  return disabled;
}

// The button Enter presses: the first, or the second with MB_DEFBUTTON2.
int DefaultButton(std::uint32_t type) {
  const bool second = (type & MbDefButton2) != 0;
  switch (type & kButtonsMask) {
    case MbYesNo: return second ? IdNo : IdYes;
    case MbOkCancel: return second ? IdCancel : IdOk;
    default: return IdOk;
  }
}

// The box's loop: what is queued for any window of the thread is
// dispatched until a button answers the box; Enter for the box presses its
// default button, as the dialog manager does; when nothing is left, the user
// presses Enter.
int RunBox(Hwnd box, int defaultAnswer) {
  Msg msg;
  while (Boxes()[box].answer == 0 && PeekMessageA(&msg, 0, 0, 0, PmRemove)) {
    if (msg.message == WmQuit) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WmKeyDown && msg.wParam == static_cast<Wparam>(VkReturn) &&
        (msg.hwnd == box || (Find(msg.hwnd) && Find(msg.hwnd)->parent == box))) {
      Boxes()[box].answer = defaultAnswer;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return Boxes()[box].answer != 0 ? Boxes()[box].answer : defaultAnswer;
}

}  // namespace
}  // namespace platform

namespace sim::detail {
using namespace platform;

int RunModalBox(Hwnd owner, const std::string& text, const std::string& caption, std::uint32_t type,
                const std::function<int()>& answer, int defaultAnswer) {
  const Hwnd box = CreateBox(owner, text, caption, type);
  const std::vector<Hwnd> disabled = DisableForBox(owner, type, box);
  // The box shows as the active window; it takes the foreground only from a
  // program that holds it.
  if (Window* w = Find(box)) {
    w->visible = true;
    Activate(box, TheWindows().foreground != 0);
  }
  const int result = answer ? answer() : RunBox(box, defaultAnswer);
  // The windows it disabled come back first, so that its owner can take the
  // activation back as the box goes.
  for (Hwnd h : disabled) {
    if (IsWindow(h)) EnableWindow(h, true);
  }
  if (Window* w = Find(box)) w->visible = false;
  ActivateAfter(box);
  Boxes().erase(box);
  if (IsWindow(box)) DestroyWindow(box);
  return result;
}

}  // namespace sim::detail

namespace platform {

int MessageBoxA(Hwnd owner, const char* text, const char* caption, std::uint32_t type) {
  if (owner && !IsWindow(owner)) {
    sim::SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE: no box opens
    return 0;
  }
  sim::MessageBoxCall call{owner, text ? text : "", caption ? caption : "Error", type};
  TheWindows().boxes.push_back(call);
  std::function<int()> answer;
  if (auto handler = TheWindows().boxHandler) answer = [handler, call] { return handler(call); };
  return RunModalBox(owner, call.text, call.caption, type, answer, DefaultButton(type));
}

bool MessageBeep(std::uint32_t type) {
  TheWindows().beeps.push_back(type);
  return true;
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

std::vector<MessageBoxCall>& MessageBoxes() { return TheWindows().boxes; }
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler) {
  TheWindows().boxHandler = std::move(handler);
}
std::vector<std::uint32_t>& Beeps() { return TheWindows().beeps; }

}  // namespace sim
