#pragma once
// The attribute word of a host entry, as Wine makes it from POSIX facts
// plus the bits a test has added with sim::SetExtraAttributes.
#include <cstdint>
#include <optional>
#include <string>

namespace sim::machine {

// nullopt when the entry does not exist or is a broken symlink.
std::optional<std::uint32_t> AttributesOf(const std::string& hostPath);
std::uint64_t FileSizeOf(const std::string& hostPath);

struct EntryFacts {
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
};

// AttributesOf and FileSizeOf of the entry `name` in an open host folder,
// for enumerating: the entry is looked up relative to the folder's
// descriptor, once (twice for a symlink), instead of by its full path.
// hostFolder is that folder's host path, needed only for added bits.
std::optional<EntryFacts> FactsOfEntry(int folderFd, const std::string& hostFolder, const std::string& name);

}  // namespace sim::machine
