#pragma once
// The shell's folder browser, opening a file or address with its default
// action, and the calendar clock.
#include <cstdint>

#include "platform/types.h"
#include "platform/windowing.h"

namespace platform {

// An item-ID list the shell hands out; 0 is none. Freed with CoTaskMemFree.
using Pidl = std::uintptr_t;

// BROWSEINFOA without the callback, which the program never sets.
struct BrowseInfo {
  Hwnd owner = 0;
  Pidl root = 0;                // 0: the whole namespace, from the desktop
  char* displayName = nullptr;  // MaxPath characters, filled with the chosen item's name
  const char* title = nullptr;
  std::uint32_t flags = 0;
};

// Shows the folder browser modally (its loop keeps dispatching the thread's
// messages); the chosen item, or 0 when the user cancels.
Pidl SHBrowseForFolderA(const BrowseInfo* info);
// Writes the item's file-system path into path (MaxPath characters); false,
// and path empty, when the item has none.
bool SHGetPathFromIDListA(Pidl item, char* path);
void CoTaskMemFree(Pidl item);

// Opens file (a path or an address) with the verb's action, the default
// one when verb is null; the file's own handler shows any failure. The
// result is greater than 32 on success.
std::intptr_t ShellExecuteA(Hwnd owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, int showCommand);

// Seconds since 1970-01-01 00:00:00 UTC.
std::int64_t CalendarTimeSeconds();

}  // namespace platform
