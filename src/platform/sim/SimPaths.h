#pragma once
// Windows paths of the simulated machine and the host paths they stand for.
//
// "X:\a\b" (either separator) is the host folder mapped to X: followed by
// "/a/b". A path without a drive ("\a" or "a") lies on the current drive C:,
// whose current folder is its root. Each component that exists on the host
// is found without regard to case, as Wine does; a missing component keeps
// the spelling it was given.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim::machine {

struct WindowsPathParts {
  char drive = 'C';                     // upper case
  std::vector<std::string> components;  // "." and ".." already applied
};

// nullopt for forms the sim does not know (UNC paths, device names).
std::optional<WindowsPathParts> ParseWindowsPath(std::string_view path);

// nullopt when the path cannot be parsed or its drive is not mapped.
std::optional<std::string> ToHostPath(std::string_view windowsPath);
std::string ToWindowsPath(const std::string& hostPath);

std::string HostParent(const std::string& hostPath);
std::string HostFileName(const std::string& hostPath);
bool HostExists(const std::string& hostPath);  // without following a last symlink
bool HostIsFolder(const std::string& hostPath);

// Why a path that does not exist cannot be used: ErrorFileNotFound when its
// folder exists, ErrorPathNotFound when the folder is missing too.
long MissingPathError(const std::string& hostPath);

// Whether hostPath is hostFolder itself or lies below it, without regard to case.
bool IsUnderFolder(const std::string& hostPath, const std::string& hostFolder);

// Whether writes to this host path are refused (sim::DenyWritesUnder).
bool WritesDenied(const std::string& hostPath);

}  // namespace sim::machine
