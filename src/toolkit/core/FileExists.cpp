#include "toolkit/core/FileExists.h"

#include "platform/files.h"

namespace vcl {

bool FileExists(const std::string& fileName) {
  if (fileName.empty() || fileName.find_first_of("*?") != std::string::npos) return false;
  platform::FindDataA data;
  const platform::Handle find = platform::FindFirstFileA(fileName.c_str(), &data);
  if (find == platform::InvalidHandleValue) return false;
  platform::FindClose(find);
  return (data.dwFileAttributes & platform::FileAttributeDirectory) == 0;
}

}  // namespace vcl
