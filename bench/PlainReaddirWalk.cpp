#include <dirent.h>
#include <sys/stat.h>

#include <cstring>

#include "PlainWalk.h"

namespace bench {

void ReaddirWalk(const std::string& hostFolder, const std::string& windowsFolder, std::vector<std::string>& out) {
  DIR* dir = opendir(hostFolder.c_str());
  if (!dir) return;
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    bool isDir = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN) {
      struct stat st;
      isDir = lstat((hostFolder + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    if (isDir) {
      ReaddirWalk(hostFolder + "/" + name, windowsFolder + "\\" + name, out);
    } else if (HasPictureExtension(name, std::strlen(name))) {
      out.push_back(windowsFolder + "\\" + name);
    }
  }
  closedir(dir);
}

}  // namespace bench
