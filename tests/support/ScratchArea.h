#pragma once
// A scratch folder for the suites that run against both implementations: on
// a fresh simulated machine its data folder, on Windows a new folder in the
// temporary folder. Both go when the object goes.
#include <memory>
#include <string>

namespace support {

class ScratchArea {
 public:
  ScratchArea();
  ~ScratchArea();
  ScratchArea(const ScratchArea&) = delete;
  ScratchArea& operator=(const ScratchArea&) = delete;

  // A Windows path ending in "\".
  const std::string& Folder() const { return folder_; }
  // Creates a file of these bytes in the scratch folder; returns its path.
  std::string MakeFile(const std::string& name, const std::string& bytes);
  // Names are relative to Folder(). The Mark and Make calls return false
  // when the system cannot do it (Wine keeps no read-only bit on a folder,
  // and lists no link it makes), so that the test can expect Wine's way.
  void MakeFolder(const std::string& name);
  bool MarkHidden(const std::string& name);
  bool MarkSystem(const std::string& name);
  bool MarkReadOnlyFolder(const std::string& name);
  bool MakeFolderLink(const std::string& linkName, const std::string& targetName);

 private:
  struct Host;
  std::unique_ptr<Host> host_;
  std::string folder_;
};

}  // namespace support
