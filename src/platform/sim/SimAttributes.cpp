#include "platform/sim/SimAttributes.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/files.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimText.h"

namespace sim::machine {

namespace {

std::uint32_t PosixBits(const struct stat& link, const struct stat& target) {
  std::uint32_t bits = 0;
  if (S_ISDIR(target.st_mode)) {
    bits = platform::FileAttributeDirectory;
    if (S_ISLNK(link.st_mode)) bits |= platform::FileAttributeReparsePoint;
  } else {
    bits = platform::FileAttributeArchive;
  }
  if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) bits |= platform::FileAttributeReadonly;
  return bits;
}

// Tests rarely add bits, so the lower-cased key is only made when some exist.
std::uint32_t AddedBits(const std::string& hostPath) {
  const auto& extra = TheMachine().extraAttributes;
  if (extra.empty()) return 0;
  const auto added = extra.find(LowerAnsi(hostPath));
  return added == extra.end() ? 0 : added->second;
}

}  // namespace

std::optional<std::uint32_t> AttributesOf(const std::string& hostPath) {
  struct stat link {};
  struct stat target {};
  if (lstat(hostPath.c_str(), &link) != 0) return std::nullopt;
  if (stat(hostPath.c_str(), &target) != 0) return std::nullopt;
  return PosixBits(link, target) | AddedBits(hostPath);
}

std::uint64_t FileSizeOf(const std::string& hostPath) {
  struct stat st {};
  if (stat(hostPath.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<EntryFacts> FactsOfEntry(int folderFd, const std::string& hostFolder, const std::string& name) {
  struct stat link {};
  if (fstatat(folderFd, name.c_str(), &link, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
  struct stat target = link;
  if (S_ISLNK(link.st_mode) && fstatat(folderFd, name.c_str(), &target, 0) != 0) return std::nullopt;
  EntryFacts facts;
  facts.attributes = PosixBits(link, target);
  if (!TheMachine().extraAttributes.empty()) {
    facts.attributes |= AddedBits(hostFolder == "/" ? "/" + name : hostFolder + "/" + name);
  }
  if (!S_ISDIR(target.st_mode)) facts.size = static_cast<std::uint64_t>(target.st_size);
  return facts;
}

}  // namespace sim::machine
