#pragma once
// The simulated window system's part of the machine (sim::machine::Machine),
// shared by its files.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/commctrl.h"
#include "platform/sim/windows_world.h"
#include "platform/windowing.h"

namespace sim::detail {

// What the program never asks for, and so its interface does not declare.
inline constexpr std::uint32_t WmNcActivate = 0x0086;

struct ListItem {
  std::string text;
  std::uint32_t state = 0;
};

struct Window {
  platform::Hwnd handle = 0;
  std::string className;  // as registered
  std::string title;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  platform::Hwnd parent = 0;
  std::intptr_t id = 0;
  bool visible = false;
  bool enabled = true;
  bool iconic = false;
  bool messageOnly = false;       // made with HwndMessage as its parent
  platform::Hwnd lastActive = 0;  // it, or a window it owns, that was active last
  platform::Rect rect;
  platform::WndProc proc = nullptr;
  platform::Hmenu menu = 0;
  bool destroying = false;
  bool needSize = false;  // an overlapped window learns its size when first shown
  // Predefined controls.
  std::uint32_t check = 0;
  int selStart = 0, selEnd = 0;
  bool hasFormatRect = false;
  platform::Rect formatRect;
  std::uint32_t listExStyle = 0;
  std::vector<ListItem> items;
  std::vector<std::pair<std::string, int>> columns;
};

struct WindowClass {
  std::string name;
  platform::WndProc proc = nullptr;
  std::uint32_t style = 0;
  platform::Hicon icon = 0;
};

struct Timer {
  std::uint32_t interval = 0;
  std::uint32_t due = 0;
  bool pending = false;  // a tick waits in the queue
};

struct Menu {
  bool popup = false;
  std::vector<MenuItemInfo> items;
};

// A message box while its loop runs.
struct OpenBox {
  std::uint32_t type = 0;
  int answer = 0;  // the button that ended it; 0 while it is open
};

struct WindowSystem {
  std::map<platform::Hwnd, Window> windows;
  std::vector<platform::Hwnd> order;           // creation order
  std::vector<platform::Hwnd> zorder;          // top-level windows, topmost first
  std::map<std::string, WindowClass> classes;  // key: upper-cased name
  platform::Hwnd nextHandle = 0x100020;        // clear of the desktop window's handle
  platform::Hwnd focus = 0, foreground = 0, active = 0, capture = 0;
  std::deque<platform::Msg> queue;
  bool quitPosted = false;
  int quitCode = 0;
  std::uint32_t clock = 0;
  std::map<std::pair<platform::Hwnd, std::uintptr_t>, Timer> timers;
  int timerLimit = -1;
  std::function<void()> idle;
  std::vector<MessageBoxCall> boxes;
  std::map<platform::Hwnd, OpenBox> openBoxes;
  std::function<int(const MessageBoxCall&)> boxHandler;
  std::vector<std::uint32_t> beeps;
  std::vector<ShowCall> shows;
  std::map<platform::Hmenu, Menu> menus;
  platform::Hmenu nextMenu = 0x20010;
  std::vector<PopupCall> popups;
  std::uintptr_t popupChoice = 0;
  std::vector<platform::Hmenu> menusShown;  // pop-up menus whose loops run, innermost last
  std::string clipboard;
  std::set<int> keysDown;
  int cursor = platform::IdcArrow;  // the pointer's shape
};

// What a simulated WM_NOTIFY's lParam points at.
struct SimListViewChange {
  platform::NotifyHeader header;
  platform::ListViewChange change;
};
struct SimListViewLabelEdit {
  platform::NotifyHeader header;
  platform::ListViewLabelEdit edit;
};

Window* Find(platform::Hwnd window);
void RegisterPredefinedClasses();
// Takes a due timer tick into the queue; true when one was taken.
bool QueueDueTimer();
bool IsChildOf(platform::Hwnd window, platform::Hwnd parent);
// Makes window (0: none of the program's) the active one, and the
// foreground one too when asked, with the WM_ACTIVATE messages of the change.
void Activate(platform::Hwnd window, bool foreground);
// The active window leaves (hidden, minimised or closing): its owner takes
// the activation when it can, else the topmost shown, enabled and not
// minimised top-level window, else another program.
void ActivateAfter(platform::Hwnd leaving);
bool IsTopLevel(const Window& w);
// Puts a top-level window above the others, the windows it owns above it.
void BringToTop(platform::Hwnd window);
// The client rectangle the window's frame leaves.
platform::Rect ClientRect(const Window& w);
// Every window goes, as its owner would destroy it, procedures called.
void DestroyAllWindows();
// The list view of that handle, or null for any other window.
Window* ListView(platform::Hwnd list);
// LVN_ITEMCHANGED to the list's parent.
void SendItemChange(platform::Hwnd list, int index, std::uint32_t oldState, std::uint32_t newState);
platform::Lresult MURALTO_WINAPI ListViewProc(platform::Hwnd window, std::uint32_t message, platform::Wparam wParam,
                                              platform::Lparam lParam);
// Notification from a control to its parent (WM_COMMAND).
void NotifyParent(const Window& control, std::uint32_t code);
// A modal "#32770" box owned by owner, with text and buttons of type: its
// owner (with MB_TASKMODAL and none, every top-level window) is disabled
// while it is open. answer, when set, gives the button; otherwise the box's
// loop dispatches what is queued until a button ends it, or, when nothing
// is left, the user takes defaultAnswer.
int RunModalBox(platform::Hwnd owner, const std::string& text, const std::string& caption, std::uint32_t type,
                const std::function<int()>& answer, int defaultAnswer);

}  // namespace sim::detail
