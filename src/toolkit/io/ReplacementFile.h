#pragma once
// A new version of a file, written beside it under another name and put in
// its place in one step only once it is complete, so that a write that
// breaks off (a full disk, a folder that goes away) never leaves the file
// half written: the old one stays as it was.
#include <string>

namespace toolkit {

class TReplacementFile {
 public:
  // Removes what an earlier, interrupted replacement may have left.
  explicit TReplacementFile(std::string target);
  // Removes the new version unless it has taken the target's place.
  ~TReplacementFile();
  TReplacementFile(const TReplacementFile&) = delete;
  TReplacementFile& operator=(const TReplacementFile&) = delete;

  // Where the new version is to be written: the target's folder, so that the
  // move is a rename on one volume.
  const std::string& Path() const { return path_; }
  // Puts the new version in the target's place; false when the system refuses
  // (the target is open elsewhere, the folder is gone), the target unchanged.
  bool Commit();

 private:
  std::string target_;
  std::string path_;
  bool committed_ = false;
};

}  // namespace toolkit
