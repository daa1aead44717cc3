#pragma once
// The attribute word of a host entry, as Wine makes it from POSIX facts
// plus the bits a test has added with sim::SetExtraAttributes.
#include <cstdint>
#include <optional>
#include <string>

namespace sim::machine {

// nullopt when the entry does not exist or is a broken symlink. The name
// decides the hidden bit: a name starting with "." other than "." and "..".
std::optional<std::uint32_t> AttributesOf(const std::string& hostPath, const std::string& name);
std::uint64_t FileSizeOf(const std::string& hostPath);

}  // namespace sim::machine
