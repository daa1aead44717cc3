// The shell's folder browser, ShellExecuteA and the calendar clock over the
// real API.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/shell.h"

namespace platform {

Pidl SHBrowseForFolderA(const BrowseInfo* info) {
  if (!info) return 0;
  BROWSEINFOA bi{};
  bi.hwndOwner = reinterpret_cast<HWND>(info->owner);
  bi.pidlRoot = reinterpret_cast<PCIDLIST_ABSOLUTE>(info->root);
  bi.pszDisplayName = info->displayName;
  bi.lpszTitle = info->title;
  bi.ulFlags = info->flags;
  return reinterpret_cast<Pidl>(::SHBrowseForFolderA(&bi));
}

bool SHGetPathFromIDListA(Pidl item, char* path) {
  return ::SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(item), path) != FALSE;
}

void CoTaskMemFree(Pidl item) { ::CoTaskMemFree(reinterpret_cast<void*>(item)); }

std::intptr_t ShellExecuteA(Hwnd owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int showCommand) {
  return reinterpret_cast<std::intptr_t>(
      ::ShellExecuteA(reinterpret_cast<HWND>(owner), verb, file, parameters, directory, showCommand));
}

std::int64_t CalendarTimeSeconds() {
  FILETIME ft;
  ::GetSystemTimeAsFileTime(&ft);
  ULARGE_INTEGER t;
  t.LowPart = ft.dwLowDateTime;
  t.HighPart = ft.dwHighDateTime;
  // 100-ns intervals since 1601 to seconds since 1970.
  return static_cast<std::int64_t>(t.QuadPart / 10000000ULL) - 11644473600LL;
}

}  // namespace platform
