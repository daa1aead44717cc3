#include "toolkit/core/FileExists.h"

#include "platform/UniqueHandle.h"
#include "platform/files.h"

namespace toolkit {

namespace {

// The entry of that name, if it is a file.
bool FindFile(const std::string& fileName, platform::FindDataA* data) {
  if (fileName.empty() || fileName.find_first_of("*?") != std::string::npos) return false;
  const platform::UniqueHandle find(platform::FindFirstFileA(fileName.c_str(), data), &platform::FindClose,
                                    platform::InvalidHandleValue);
  return find.Valid() && (data->dwFileAttributes & platform::FileAttributeDirectory) == 0;
}

}  // namespace

bool FileExists(const std::string& fileName) {
  platform::FindDataA data;
  return FindFile(fileName, &data);
}

std::uint64_t FileSizeOf(const std::string& fileName) {
  platform::FindDataA data;
  return FindFile(fileName, &data) ? data.nFileSize : 0;
}

}  // namespace toolkit
