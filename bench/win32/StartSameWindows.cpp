// A second yardstick for the program's start: start_minimal.exe grown to
// every window the program makes before its main window shows, made the
// cheapest way the system offers: a hidden application window, a message-only
// window for the notification icon, a main window with its menu bar and class
// icon, and the main window's 25 controls, each in one call with its final
// bounds, styles and text, and the dialog font. Set against Muralto.exe it
// tells what the library costs beyond the windows themselves.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "StartYardstick.h"

namespace {

constexpr UINT kTrayMessage = WM_USER + 0x2FF;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void Register(HINSTANCE instance, const char* name, HICON icon) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

struct Child {
  const char* cls;
  const char* text;
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;
  int parent;  // index of an earlier child, or -1 for the main window
};

// The main window's controls as the program lays them out.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr Child kChildren[] = {
    {"BUTTON", "Start", kChild | WS_TABSTOP, 0, 264, 256, 113, 25, -1},
    {"BUTTON", "Add", kChild | WS_TABSTOP, 0, 8, 256, 81, 25, -1},
    {STATUSCLASSNAMEA, "", kChild, 0, 0, 291, 386, 19, -1},
    {"BUTTON", " Position ", kChild | WS_CLIPCHILDREN | BS_GROUPBOX, WS_EX_CONTROLPARENT, 264, 72, 113, 73, -1},
    {"BUTTON", "Centered", kChild | WS_TABSTOP | BS_RADIOBUTTON, 0, 8, 16, 97, 17, 3},
    {"BUTTON", "Stretched", kChild | BS_RADIOBUTTON, 0, 8, 33, 97, 17, 3},
    {"BUTTON", "Tiled", kChild | BS_RADIOBUTTON, 0, 8, 50, 97, 17, 3},
    {WC_LISTVIEWA, "", kChild | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS, WS_EX_CLIENTEDGE, 8, 8, 250, 241, -1},
    {"BUTTON", " Interval ", kChild | WS_CLIPCHILDREN | BS_GROUPBOX, WS_EX_CONTROLPARENT, 264, 152, 113, 97, -1},
    {"STATIC", "Hours:", kChild | SS_NOPREFIX, 0, 8, 20, 34, 13, 8},
    {"STATIC", "Minutes:", kChild | SS_NOPREFIX, 0, 8, 44, 41, 13, 8},
    {"STATIC", "Seconds:", kChild | SS_NOPREFIX, 0, 8, 68, 46, 13, 8},
    {"EDIT", "1", kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 64, 16, 41, 22, 8},
    {"SameSpin", "", WS_CHILD | WS_VISIBLE, 0, 22, 0, 15, 18, 12},
    {"EDIT", "0", kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 64, 40, 41, 22, 8},
    {"SameSpin", "", WS_CHILD | WS_VISIBLE, 0, 22, 0, 15, 18, 14},
    {"EDIT", "0", kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 64, 64, 41, 22, 8},
    {"SameSpin", "", WS_CHILD | WS_VISIBLE, 0, 22, 0, 15, 18, 16},
    {"BUTTON", "Delete", kChild | WS_TABSTOP, 0, 96, 256, 75, 25, -1},
    {"BUTTON", "Clear", kChild | WS_TABSTOP, 0, 176, 256, 83, 25, -1},
    {"BUTTON", " Selection ", kChild | WS_CLIPCHILDREN | BS_GROUPBOX, WS_EX_CONTROLPARENT, 264, 8, 113, 57, -1},
    {"BUTTON", "Random", kChild | WS_TABSTOP | BS_RADIOBUTTON, 0, 8, 16, 97, 17, 20},
    {"BUTTON", "Sequential", kChild | BS_RADIOBUTTON, 0, 8, 34, 97, 17, 20},
};

HMENU MenuBar() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 10, "Exit");
  HMENU language = CreatePopupMenu();
  AppendMenuA(language, MF_STRING | MF_CHECKED, 20, "English");
  AppendMenuA(language, MF_STRING, 21, "Russian");
  HMENU settings = CreatePopupMenu();
  AppendMenuA(settings, MF_STRING, 30, "Options");
  AppendMenuA(settings, MF_POPUP, reinterpret_cast<UINT_PTR>(language), "Language");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, 40, "About");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(settings), "Settings");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
  return bar;
}

void CreateChildren(HWND window, HINSTANCE instance, HFONT font) {
  HWND made[sizeof kChildren / sizeof kChildren[0]] = {};
  int i = 0;
  for (const Child& c : kChildren) {
    HWND parent = c.parent < 0 ? window : made[c.parent];
    made[i] = CreateWindowExA(c.exStyle, c.cls, c.text, c.style, c.x, c.y, c.width, c.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance, nullptr);
    SendMessageA(made[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    ++i;
  }
  SendMessageA(made[4], BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(made[21], BM_SETCHECK, BST_CHECKED, 0);
  SetUpFolderList(made[7], 225);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HICON icon = LoadIconA(instance, "MAINICON");
  Register(instance, "SameApplication", nullptr);
  Register(instance, "SameNotify", nullptr);
  Register(instance, "SameSpin", nullptr);
  Register(instance, "StartSameWindows", icon);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  CreateWindowExA(0, "SameApplication", "Same", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                  screenWidth / 2, screenHeight / 2, 0, 0, nullptr, nullptr, instance, nullptr);
  HWND notify = CreateWindowExA(0, "SameNotify", "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = notify;
  record.uID = 2;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayMessage;
  record.hIcon = icon;
  Shell_NotifyIconA(NIM_ADD, &record);
  HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  const int width = 392, height = 354;
  HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, "StartSameWindows", "Same windows",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                (screenWidth - width) / 2, (screenHeight - height) / 2, width, height, nullptr,
                                MenuBar(), instance, nullptr);
  CreateChildren(window, instance, font);
  ShowWindow(window, show);
  UpdateWindow(window);
  RunMessageLoop();
  record.uFlags = 0;
  Shell_NotifyIconA(NIM_DELETE, &record);
  return 0;
}
