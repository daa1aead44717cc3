#pragma once
// What the start yardsticks share: the list view set up as the main
// window's (check boxes, one column), and the message loop.
#include <windows.h>

#include <commctrl.h>

inline void SetUpFolderList(HWND list, int columnWidth) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = columnWidth;
  column.pszText = const_cast<char*>("Folders");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

inline void RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
