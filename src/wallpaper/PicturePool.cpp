#include "wallpaper/PicturePool.h"

#include <cstring>

#include "platform/files.h"
#include "toolkit/controls/ListItems.h"
#include "toolkit/core/StringList.h"
#include "wallpaper/Extension.h"

namespace muralto {

namespace {

// One open enumeration, closed on every way out.
class FolderEnumeration {
 public:
  explicit FolderEnumeration(const std::string& pattern)
      : handle_(platform::FindFirstFileA(pattern.c_str(), &data_)) {}
  ~FolderEnumeration() {
    if (Valid()) platform::FindClose(handle_);
  }
  FolderEnumeration(const FolderEnumeration&) = delete;
  FolderEnumeration& operator=(const FolderEnumeration&) = delete;

  bool Valid() const { return handle_ != platform::InvalidHandleValue; }
  bool Next() { return platform::FindNextFileA(handle_, &data_); }
  const platform::FindDataA& Data() const { return data_; }

 private:
  platform::FindDataA data_;
  platform::Handle handle_;
};

}  // namespace

void ScanFolder(std::string folder, vcl::TStringList& pool) {
  // An empty caption (an entry missing from a damaged folder list file) names
  // no folder; normalised it would be the root of the current drive, and every
  // such entry would scan that whole drive.
  if (folder.empty()) return;
  if (folder.size() == 1) folder += ":\\";
  if (folder.back() != '\\') folder += '\\';

  FolderEnumeration entries(folder + "*.*");
  if (!entries.Valid()) return;
  do {
    const platform::FindDataA& data = entries.Data();
    const std::string name(data.cFileName, strnlen(data.cFileName, sizeof data.cFileName));
    if (name.empty() || name == "." || name == "..") continue;
    // Equality, not a bit test: a folder with any further attribute (read-only,
    // hidden, a junction ...) is taken for a file, so links never loop.
    if (data.dwFileAttributes == platform::FileAttributeDirectory) {
      ScanFolder(folder + name, pool);
    } else if (IsPictureExtension(LowerExtension(name))) {
      pool.Add(folder + name);
    }
  } while (entries.Next());
}

void RebuildPool(const vcl::TListItems& folders, vcl::TStringList& pool) {
  pool.Clear();
  for (int i = 0; i < folders.Count(); ++i) {
    const vcl::TListItem* item = folders.Item(i);
    if (item->Checked()) ScanFolder(item->Caption(), pool);
  }
}

}  // namespace muralto
