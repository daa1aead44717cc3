#include "FailureBoxes.h"

namespace soak {

namespace {

constexpr UINT replyTimeoutMs = 2000;

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

std::string ClassOf(HWND window) {
  char name[64] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

// WM_GETTEXT, since GetWindowTextA does not read another process's controls.
std::string TextOf(HWND window) {
  char text[1024] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                           replyTimeoutMs, &copied))
    return {};
  return std::string(text, copied < sizeof text ? copied : sizeof text - 1);
}

BOOL CALLBACK CollectBox(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && ClassOf(window) == "#32770")
    search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM lParam) {
  auto* texts = reinterpret_cast<std::string*>(lParam);
  if (ClassOf(child) != "Static") return TRUE;
  const std::string text = TextOf(child);
  if (text.empty()) return TRUE;
  if (!texts->empty()) *texts += " | ";
  *texts += text;
  return TRUE;
}

}  // namespace

std::vector<FailureBox> OpenBoxes(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
  std::vector<FailureBox> boxes;
  for (HWND window : search.found) {
    FailureBox box{window, TextOf(window), {}};
    EnumChildWindows(window, CollectStatic, reinterpret_cast<LPARAM>(&box.text));
    boxes.push_back(box);
  }
  return boxes;
}

void Dismiss(HWND box) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

}  // namespace soak
