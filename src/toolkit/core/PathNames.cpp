#include "toolkit/core/PathNames.h"

#include <vector>

#include "platform/files.h"

namespace toolkit {

std::string ExtractFilePath(const std::string& fileName) {
  const std::size_t at = fileName.find_last_of("\\:");
  return at == std::string::npos ? std::string() : fileName.substr(0, at + 1);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
  const std::size_t at = fileName.find_last_of(".\\:");
  const bool hasExtension = at != std::string::npos && fileName[at] == '.';
  return (hasExtension ? fileName.substr(0, at) : fileName) + extension;
}

std::string ModuleFileName() {
  // A full buffer means the path was cut: try again with more room.
  for (std::uint32_t size = platform::MaxPath; size <= 32768; size *= 2) {
    std::vector<char> buffer(size, '\0');
    const std::uint32_t length = platform::GetModuleFileNameA(buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return std::string(buffer.data(), length);
  }
  return {};
}

}  // namespace toolkit
