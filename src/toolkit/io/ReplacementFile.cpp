#include "toolkit/io/ReplacementFile.h"

#include <utility>

#include "platform/files.h"

namespace toolkit {

// The suffix keeps the picture extension off the name, so that a data folder
// listed as a picture folder never offers a half-written wallpaper.
TReplacementFile::TReplacementFile(std::string target) : target_(std::move(target)), path_(target_ + ".new") {
  platform::DeleteFileA(path_.c_str());
}

TReplacementFile::~TReplacementFile() {
  if (!committed_) platform::DeleteFileA(path_.c_str());
}

bool TReplacementFile::Commit() {
  committed_ = platform::MoveFileExA(path_.c_str(), target_.c_str(), platform::MoveFileReplaceExisting);
  return committed_;
}

}  // namespace toolkit
