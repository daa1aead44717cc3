#include "wallpaper/PicturePool.h"

#include <cstring>

#include "platform/UniqueHandle.h"
#include "platform/files.h"
#include "toolkit/controls/ListItems.h"
#include "toolkit/core/StringList.h"
#include "wallpaper/Extension.h"

namespace muralto {

void ScanFolder(std::string folder, toolkit::TStringList& pool) {
  // An empty caption (an entry missing from a damaged folder list file) names
  // no folder; normalised it would be the root of the current drive, and every
  // such entry would scan that whole drive.
  if (folder.empty()) return;
  if (folder.size() == 1) folder += ":\\";
  if (folder.back() != '\\') folder += '\\';

  platform::FindDataA data;
  const platform::UniqueHandle entries(platform::FindFirstFileA((folder + "*.*").c_str(), &data), &platform::FindClose,
                                       platform::InvalidHandleValue);
  if (!entries.Valid()) return;
  do {
    const std::string name(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
    if (name.empty() || name == "." || name == "..") continue;
    // Equality, not a bit test: a folder with any further attribute (read-only,
    // hidden, a junction ...) is taken for a file, so links never loop.
    if (data.dwFileAttributes == platform::FileAttributeDirectory) {
      ScanFolder(folder + name, pool);
    } else if (IsPictureExtension(LowerExtension(name))) {
      pool.Add(folder + name);
    }
  } while (platform::FindNextFileA(entries.Get(), &data));
}

void RebuildPool(const toolkit::TListItems& folders, toolkit::TStringList& pool) {
  pool.Clear();
  for (int i = 0; i < folders.Count(); ++i) {
    const toolkit::TListItem* item = folders.Item(i);
    if (item->Checked()) ScanFolder(item->Caption(), pool);
  }
}

}  // namespace muralto
