// The folder list: Add through the shell's folder browser, Delete, Clear and
// clicks in the list.
#include <vector>

#include "app/MainForm.h"
#include "app/Settings.h"
#include "platform/UniqueHandle.h"
#include "platform/shell.h"
#include "toolkit/controls/ListView.h"
#include "wallpaper/PicturePool.h"

namespace muralto {

std::string TForm1::BrowseForFolder() {
  std::vector<char> path(platform::MaxPath, '\0');
  std::vector<char> displayName(platform::MaxPath, '\0');
  platform::BrowseInfo info;
  info.owner = Handle();
  info.root = 0;
  info.displayName = displayName.data();
  info.title = "Select Directory";
  info.flags = 0;
  // The browser's item-ID list is freed however the browse ends.
  const platform::UniqueHandle item(platform::SHBrowseForFolderA(&info), &platform::CoTaskMemFree);
  if (item.Get() && !platform::SHGetPathFromIDListA(item.Get(), path.data())) path.assign(path.size(), '\0');
  path.back() = '\0';
  return std::string(path.data());
}

void TForm1::ButtonAddClick(toolkit::TObject*) {
  pickedFolder = BrowseForFolder();
  if (pickedFolder.empty()) return;
  newItem = ListViewFolders->Items().Add();
  newItem->SetCaption(pickedFolder);
  newItem->SetChecked(true);
  SaveFolderList(*this);
  RebuildPool(Folders(), picturePool);
}

void TForm1::ButtonDeleteClick(toolkit::TObject*) {
  toolkit::TListItems& items = ListViewFolders->Items();
  const toolkit::TListItems::UpdateScope update(items);
  for (int i = items.Count() - 1; i >= 0; --i) {
    if (items.Item(i)->Selected()) {
      if (newItem == items.Item(i)) newItem = nullptr;
      items.Delete(i);
    }
  }
  SaveFolderList(*this);
}

void TForm1::ButtonClearClick(toolkit::TObject*) {
  newItem = nullptr;
  ListViewFolders->Items().Clear();
  SaveFolderList(*this);
}

void TForm1::ListViewFoldersClick(toolkit::TObject*) { SaveFolderList(*this); }

}  // namespace muralto
