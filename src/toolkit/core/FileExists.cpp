#include "toolkit/core/FileExists.h"

#include "platform/UniqueHandle.h"
#include "platform/files.h"

namespace toolkit {

bool FileExists(const std::string& fileName) {
  if (fileName.empty() || fileName.find_first_of("*?") != std::string::npos) return false;
  platform::FindDataA data;
  const platform::UniqueHandle find(platform::FindFirstFileA(fileName.c_str(), &data), &platform::FindClose,
                                    platform::InvalidHandleValue);
  return find.Valid() && (data.dwFileAttributes & platform::FileAttributeDirectory) == 0;
}

}  // namespace toolkit
