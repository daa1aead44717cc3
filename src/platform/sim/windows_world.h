#pragma once
// The simulated window system, seen from a test: windows and their state,
// the virtual clock behind the GUI timers, message boxes with scripted
// answers, beeps, ShowWindow commands, pop-up menus and the clipboard.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"
#include "platform/windowing.h"

namespace sim {

struct WindowInfo {
  platform::Hwnd handle = 0;
  std::string className;
  std::string title;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  platform::Hwnd parent = 0;
  bool visible = false;
  bool enabled = true;
  bool iconic = false;
  platform::Rect rect;  // in the parent's client coordinates
  bool messageOnly = false;
};
// Every live window, in order of creation.
std::vector<WindowInfo> Windows();
bool GetWindowInfo(platform::Hwnd window, WindowInfo* info);
// The first live child (at any depth) of parent with this class (any when
// empty) and title, or 0.
platform::Hwnd FindChild(platform::Hwnd parent, const std::string& className, const std::string& title);

// Every ShowWindow call, in order.
struct ShowCall {
  platform::Hwnd window;
  int command;
};
std::vector<ShowCall>& ShowCalls();

// The virtual clock in milliseconds (GetTickCount). AdvanceClock lets time
// pass with the thread idle in its message loop: the queue is dispatched and
// every timer ticks when it comes due. AdvanceClockBusy lets it pass while
// the thread is busy: nothing is dispatched, and each timer that came due
// has one tick waiting.
std::uint32_t Now();
void AdvanceClock(std::uint32_t ms);
void AdvanceClockBusy(std::uint32_t ms);
// Dispatches everything queued (and ticks that are due) until the queue is empty.
void DispatchPending();
// How many more timers the system grants (-1: no limit, the default).
void SetTimerLimit(int remaining);
struct TimerInfo {
  platform::Hwnd window;
  std::uintptr_t id;
  std::uint32_t interval;
  std::uint32_t due;  // clock time of the next tick
};
std::vector<TimerInfo> Timers();

// Called when a message loop has nothing left to do; it may post, advance
// the clock or close windows. Without a handler, or when it leaves the queue
// empty, GetMessageA fails (-1) instead of waiting forever.
void SetIdleHandler(std::function<void()> handler);

struct MessageBoxCall {
  platform::Hwnd owner;
  std::string text;
  std::string caption;
  std::uint32_t type;
};
// Every message box, in order of opening.
std::vector<MessageBoxCall>& MessageBoxes();
// Answers each box while it is open (it may dispatch messages, which is what
// the box's own loop does). Without one, the box is a "#32770" window whose
// loop dispatches what is queued, where a WM_COMMAND with a button's id (or
// WM_CLOSE) answers it as on Windows; when nothing is left, it answers OK or Yes.
void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler);
// Every MessageBeep type, in order.
std::vector<std::uint32_t>& Beeps();

// Pop-up menus shown, and the command the next one returns (0: cancelled)
// when nothing queued or posted at its WM_ENTERIDLE chose first: its loop
// takes WM_KEYDOWN of the arrows, Enter and Esc, and WM_CANCELMODE, as
// Windows' does.
struct PopupCall {
  platform::Hmenu menu;
  int x, y;
  platform::Hwnd owner;
};
std::vector<PopupCall>& PopupCalls();
void SetPopupChoice(std::uintptr_t commandId);
// Items of a simulated menu: caption ("-" for a separator), id, flags.
struct MenuItemInfo {
  std::string caption;
  std::uintptr_t id;
  std::uint32_t flags;
  platform::Hmenu submenu;
};
// (none for a menu that does not exist).
std::vector<MenuItemInfo> MenuItems(platform::Hmenu menu);
bool MenuExists(platform::Hmenu menu);

// The text clipboard of WM_PASTE and WM_CUT in simulated edits.
void SetClipboardText(const std::string& text);
std::string ClipboardText();
// Keys and mouse buttons held down (GetKeyState).
void SetKeyDown(int virtualKey, bool down);
// The user brings another program to the front (a click on the desktop):
// the active window is told it lost activation and the focus goes.
void ActivateOtherProgram();

}  // namespace sim

namespace sim {
// What the user does to a list view, with the notifications Windows sends to
// its parent: a click on an item's check box is reported (NM_CLICK) before
// it toggles the box (LVN_ITEMCHANGED), selection and focus unchanged; a
// click on an item selects it alone (or adds it with Ctrl) and gives it the
// focus; an in-place edit ends with a new text, or cancelled. A WM_KEYDOWN of
// the space bar sent to the list ticks or unticks the focused item's check
// box (LVN_ITEMCHANGED, no NM_CLICK).
void ClickListViewCheckBox(platform::Hwnd list, int index);
void ClickListViewItem(platform::Hwnd list, int index, bool addToSelection);
// The user ends a label edit with newText (null: cancelled); an emptied
// label reaches the parent as an empty text.
void EditListViewLabel(platform::Hwnd list, int index, const std::string* newText);
// A list view's items (text and state bits) and column headings; none for
// any other window.
struct ListViewItemInfo {
  std::string text;
  std::uint32_t state = 0;
};
std::vector<ListViewItemInfo> ListViewItems(platform::Hwnd list);
std::vector<std::string> ListViewColumns(platform::Hwnd list);
}  // namespace sim

namespace sim {
// The user's decimal separator (GetLocaleInfoA LOCALE_SDECIMAL); "." after Reset.
void SetDecimalSeparator(const std::string& separator);
}  // namespace sim
