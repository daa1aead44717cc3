#include "WindowText.h"

namespace e2e {

namespace {

constexpr UINT replyTimeoutMs = 5000;

BOOL CALLBACK Collect(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, replyTimeoutMs, &length)) return {};
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           replyTimeoutMs, &copied))
    return {};
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ChildWithText(HWND window, const std::string& text) {
  for (HWND child : Children(window))
    if (TextOf(child) == text) return child;
  return nullptr;
}

}  // namespace e2e
