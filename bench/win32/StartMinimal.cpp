// The yardstick for the program's start: the least a Windows program with the
// same manifest, icon and version resources does to show a window like the
// main window's core, a report list view with check boxes and a button, with
// its icon in the taskbar's notification area before the window shows.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "StartYardstick.h"

namespace {

constexpr UINT kTrayId = 2;
constexpr UINT kTrayMessage = WM_USER + 0x2FF;

NOTIFYICONDATAA TrayRecord(HWND window) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = kTrayId;
  return record;
}

void AddTrayIcon(HWND window, HICON icon) {
  NOTIFYICONDATAA record = TrayRecord(window);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayMessage;
  record.hIcon = icon;
  lstrcpynA(record.szTip, "Minimal", sizeof record.szTip);
  Shell_NotifyIconA(NIM_ADD, &record);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    NOTIFYICONDATAA record = TrayRecord(window);
    Shell_NotifyIconA(NIM_DELETE, &record);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void CreateChildren(HWND window, HINSTANCE instance) {
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 8, 8, 360, 240,
                              window, reinterpret_cast<HMENU>(1), instance, nullptr);
  SetUpFolderList(list, 340);
  CreateWindowExA(0, "BUTTON", "Add", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 8, 256, 80, 25, window,
                  reinterpret_cast<HMENU>(2), instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, "MAINICON");
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "StartMinimal";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "StartMinimal", "Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400,
                                330, nullptr, nullptr, instance, nullptr);
  CreateChildren(window, instance);
  AddTrayIcon(window, windowClass.hIcon);
  ShowWindow(window, show);
  UpdateWindow(window);
  RunMessageLoop();
  return 0;
}
