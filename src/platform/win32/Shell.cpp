// The shell's folder browser, ShellExecuteA and the calendar clock over the
// real API.
#include <windows.h>
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

// ole32 comes when a folder is first browsed for (the browser itself needs
// it), not at every start: under Wine, loading it with combase and rpcrt4
// before the window shows is a good part of the start. It is one of the
// system's known DLLs, so the bare name cannot pick up another file.
void CoTaskMemFree(Pidl item) {
  using Free = void(WINAPI*)(void*);
  static const Free free = [] {
    const HMODULE ole = ::LoadLibraryA("ole32.dll");
    const FARPROC proc = ole ? ::GetProcAddress(ole, "CoTaskMemFree") : nullptr;
    return reinterpret_cast<Free>(reinterpret_cast<void (*)()>(proc));
  }();
  if (free && item) free(reinterpret_cast<void*>(item));
}

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
