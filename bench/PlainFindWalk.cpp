#include <cstring>

#include "PlainWalk.h"
#include "platform/files.h"

namespace bench {

void FindWalk(const std::string& folder, std::vector<std::string>& out) {
  platform::FindDataA data;
  const platform::Handle find = platform::FindFirstFileA((folder + "\\*.*").c_str(), &data);
  if (find == platform::InvalidHandleValue) return;
  do {
    const char* name = data.cFileName;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    if (data.dwFileAttributes & platform::FileAttributeDirectory) {
      FindWalk(folder + "\\" + name, out);
    } else if (HasPictureExtension(name, std::strlen(name))) {
      out.push_back(folder + "\\" + name);
    }
  } while (platform::FindNextFileA(find, &data));
  platform::FindClose(find);
}

}  // namespace bench
