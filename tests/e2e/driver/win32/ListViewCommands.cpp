#include "Commands.h"
#include "Handles.h"

#include <commctrl.h>

#include <iostream>

namespace e2e {

namespace {

constexpr int textCapacity = 1024;

DWORD_PTR Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result))
    throw CheckFailed("the list view does not answer");
  return result;
}

}  // namespace

// A list view keeps its items in its own process: the item record and the
// text buffer have to live there while it fills them in.
int ListItemsCommand(const Args& args) {
  HWND list = ParseWindow(args[0]);
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const UniqueHandle process =
      OwnHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process.Valid()) throw CheckFailed("cannot open process " + std::to_string(pid));
  const auto remote = RemoteMemory(process.Get(), sizeof(LVITEMA) + textCapacity);
  if (!remote.Valid()) throw CheckFailed("cannot allocate memory in process " + std::to_string(pid));
  auto* remoteItem = static_cast<char*>(remote.Get());
  char* remoteText = remoteItem + sizeof(LVITEMA);

  const auto count = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = remoteText;
    item.cchTextMax = textCapacity;
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process.Get(), remoteItem, &item, sizeof item, &moved))
      throw CheckFailed("cannot write into process " + std::to_string(pid));
    const auto length = static_cast<int>(Send(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(remoteItem)));
    std::string text(textCapacity, '\0');
    if (!ReadProcessMemory(process.Get(), remoteText, text.data(), text.size(), &moved))
      throw CheckFailed("cannot read from process " + std::to_string(pid));
    text.resize(length >= 0 && length < textCapacity ? length : 0);
    const auto state = static_cast<UINT>(Send(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK));
    const bool checked = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
    std::cout << (checked ? 1 : 0) << "\t" << text << "\n";
  }
  return 0;
}

// LVM_GETITEMRECT, too, fills a record in the list view's own process.
int ItemRectCommand(const Args& args) {
  HWND list = ParseWindow(args[0]);
  const auto index = static_cast<WPARAM>(ParseNumber(args[1]));
  DWORD pid = 0;
  GetWindowThreadProcessId(list, &pid);
  const UniqueHandle process =
      OwnHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process.Valid()) throw CheckFailed("cannot open process " + std::to_string(pid));
  const auto remote = RemoteMemory(process.Get(), sizeof(RECT));
  if (!remote.Valid()) throw CheckFailed("cannot allocate memory in process " + std::to_string(pid));
  for (const LONG part : {LVIR_BOUNDS, LVIR_LABEL}) {
    RECT rect{};
    rect.left = part;
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process.Get(), remote.Get(), &rect, sizeof rect, &moved))
      throw CheckFailed("cannot write into process " + std::to_string(pid));
    if (!Send(list, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote.Get())))
      throw CheckFailed("the list view has no item " + args[1]);
    if (!ReadProcessMemory(process.Get(), remote.Get(), &rect, sizeof rect, &moved))
      throw CheckFailed("cannot read from process " + std::to_string(pid));
    POINT corner{rect.left, rect.top};
    ClientToScreen(list, &corner);
    std::cout << corner.x << " " << corner.y << " " << rect.right - rect.left << " " << rect.bottom - rect.top << "\n";
  }
  return 0;
}

}  // namespace e2e
