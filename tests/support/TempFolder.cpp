#include "support/TempFolder.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

namespace support {

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& prefix, const std::string& parent) {
  std::string pattern = (parent.empty() ? fs::temp_directory_path().string() : parent) + "/" + prefix + "XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder " + pattern);
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // A folder a test made unwritable could not be emptied: opened up first,
  // each before the walk goes into it.
  for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) chmod(it->path().c_str(), 0755);
  }
  fs::remove_all(path_, ignored);
}

}  // namespace support
