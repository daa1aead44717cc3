// Folders dropped onto the folder list join it, ticked; anything else is
// refused with a message.
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/Settings.h"
#include "platform/files.h"
#include "shell/DropFiles.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/forms/Dialogs.h"
#include "wallpaper/PicturePool.h"

namespace muralto {

namespace {

bool IsFolder(const std::string& path) {
  std::uint32_t attributes = platform::GetFileAttributesA(path.c_str());
  return attributes != platform::InvalidFileAttributes && (attributes & platform::FileAttributeDirectory) != 0;
}

}  // namespace

void TForm1::StDropFiles1DropFiles(toolkit::TObject*, platform::Point) {
  // A copy: the refusal's message box dispatches messages, and a second
  // drop taken meanwhile refills the component's list.
  std::vector<std::string> dropped;
  const toolkit::TStringList& files = StDropFiles1->DroppedFiles();
  dropped.reserve(static_cast<std::size_t>(files.Count()));
  for (int i = 0; i < files.Count(); ++i) dropped.push_back(files.Strings(i));
  // The list repaints once for a run of folders, but shows what it holds
  // behind a refusal's message box.
  toolkit::TListItems::UpdateScope update(ListViewFolders->Items(), false);
  for (const std::string& path : dropped) {
    if (IsFolder(path)) {
      update.Hold();
      newItem = ListViewFolders->Items().Add();
      newItem->SetCaption(path);
      newItem->SetChecked(true);
    } else {
      update.Release();
      toolkit::ShowMessage("Please, drag folders only");
    }
  }
  update.Release();
  SaveFolderList(*this);
  RebuildPool(Folders(), picturePool);
}

}  // namespace muralto
