#pragma once
// A new, empty folder of this process, in the system's temporary folder or
// under a given parent. It goes with all it holds when the object goes: links
// in it are removed, never followed, and what a test made read-only goes too.
#include <string>

namespace support {

class TempFolder {
 public:
  // The folder's name starts with prefix; an empty parent is the temporary folder.
  explicit TempFolder(const std::string& prefix, const std::string& parent = "");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Without a trailing separator: a host path natively, a Windows path on Windows.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace support
