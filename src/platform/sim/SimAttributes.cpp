#include "platform/sim/SimAttributes.h"

#include <sys/stat.h>

#include "platform/files.h"
#include "platform/sim/SimState.h"
#include "platform/sim/SimText.h"

namespace sim::machine {

std::optional<std::uint32_t> AttributesOf(const std::string& hostPath, const std::string& name) {
  struct stat link {};
  struct stat target {};
  if (lstat(hostPath.c_str(), &link) != 0) return std::nullopt;
  if (stat(hostPath.c_str(), &target) != 0) return std::nullopt;
  std::uint32_t bits = 0;
  if (S_ISDIR(target.st_mode)) {
    bits = platform::FileAttributeDirectory;
    if (S_ISLNK(link.st_mode)) bits |= platform::FileAttributeReparsePoint;
  } else {
    bits = platform::FileAttributeArchive;
  }
  if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) bits |= platform::FileAttributeReadonly;
  if (name.size() > 1 && name[0] == '.' && name != "..") bits |= platform::FileAttributeHidden;
  const auto& extra = TheState().extraAttributes;
  const auto added = extra.find(LowerAnsi(hostPath));
  if (added != extra.end()) bits |= added->second;
  return bits;
}

std::uint64_t FileSizeOf(const std::string& hostPath) {
  struct stat st {};
  if (stat(hostPath.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

}  // namespace sim::machine
