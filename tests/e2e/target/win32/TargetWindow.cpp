// A small window for the driver to work on while the real program cannot be
// started: a button, a label, an edit, a checked list view and a menu; it
// wears the program's icon, so its screenshot shows that too. Every
// way of poking it leaves a mark in the label; closing it ends the process
// with exit code 7.
//
//   e2e-target.exe [-hidden] [-program-manager]
//
// With -program-manager the window is titled "Program Manager", standing in
// for the shell's desktop window that Wine does not have.

#include <windows.h>

#include <commctrl.h>

#include <cstring>

namespace {

constexpr int buttonId = 10;
constexpr int labelId = 11;
constexpr int editId = 12;
constexpr int listId = 13;
constexpr int markMenuId = 40001;
constexpr UINT trayMessage = 0x6FF;
constexpr int exitCode = 7;

HWND label;

void Mark(const char* text) { SetWindowTextA(label, text); }

void AddItem(HWND list, int index, const char* text, bool checked) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text);
  SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  ListView_SetCheckState(list, index, checked);
}

void CreateChildren(HWND window) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 8, 8, 80, 25, window,
                  reinterpret_cast<HMENU>(buttonId), instance, nullptr);
  label = CreateWindowExA(0, "STATIC", "idle", WS_CHILD | WS_VISIBLE, 100, 12, 150, 20, window,
                          reinterpret_cast<HMENU>(labelId), instance, nullptr);
  CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "typed", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 40, 240, 22, window,
                  reinterpret_cast<HMENU>(editId), instance, nullptr);
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 8, 70, 240, 100,
                              window, reinterpret_cast<HMENU>(listId), instance, nullptr);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 200;
  column.pszText = const_cast<char*>("Folders");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  AddItem(list, 0, "C:\\Pictures", true);
  AddItem(list, 1, "D:\\Photos with blanks", false);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: CreateChildren(window); return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == buttonId && HIWORD(wParam) == BN_CLICKED)
        Mark("pressed");
      else if (LOWORD(wParam) == markMenuId)
        Mark("marked");
      return 0;
    case trayMessage:
      if (lParam == WM_LBUTTONDBLCLK) Mark("tray double-click");
      return 0;
    case WM_DESTROY: PostQuitMessage(exitCode); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

HMENU CreateMainMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, markMenuId, "Mark");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
  return bar;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIconA(instance, "MAINICON");
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "MuraltoE2ETarget";
  if (!RegisterClassA(&windowClass)) return 1;
  const char* title = std::strstr(commandLine, "-program-manager") ? "Program Manager" : "E2E Target";
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW, 100, 100, 280, 240, nullptr,
                                CreateMainMenu(), instance, nullptr);
  if (!window) return 1;
  if (std::strstr(commandLine, "-hidden") == nullptr) ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
