#include "platform/sim/SimPaths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimText.h"
#include "platform/types.h"

namespace sim::machine {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

// The host entry of folder whose name equals name without regard to case,
// or name itself when there is none.
std::string FindEntryNoCase(const std::string& folder, const std::string& name) {
  if (HostExists(Join(folder, name))) return name;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return name;
  while (const dirent* entry = readdir(dir.get())) {
    if (EqualNoCase(entry->d_name, name)) return entry->d_name;
  }
  return name;
}

}  // namespace

std::optional<WindowsPathParts> ParseWindowsPath(std::string_view path) {
  WindowsPathParts parts;
  std::string_view rest = path;
  if (rest.size() >= 2 && rest[1] == ':') {
    const char letter = static_cast<char>(rest[0] & ~0x20);
    if (letter < 'A' || letter > 'Z') return std::nullopt;
    parts.drive = letter;
    rest.remove_prefix(2);
  } else if (rest.size() >= 2 && IsSeparator(rest[0]) && IsSeparator(rest[1])) {
    return std::nullopt;
  }
  std::string current;
  auto flush = [&] {
    if (current == "..") {
      if (!parts.components.empty()) parts.components.pop_back();
    } else if (!current.empty() && current != ".") {
      parts.components.push_back(current);
    }
    current.clear();
  };
  for (char c : rest) {
    if (c == '\0') break;
    if (IsSeparator(c)) {
      flush();
    } else {
      current += c;
    }
  }
  flush();
  return parts;
}

std::optional<std::string> ToHostPath(std::string_view windowsPath) {
  const auto parts = ParseWindowsPath(windowsPath);
  if (!parts) return std::nullopt;
  const auto& drives = TheMachine().drives;
  const auto drive = drives.find(parts->drive);
  if (drive == drives.end()) return std::nullopt;
  // Most paths are spelt as on the host: then every component exists as
  // written, and one check replaces a lookup per component.
  std::string host = drive->second;
  for (const std::string& component : parts->components) host = Join(host, component);
  if (HostExists(host)) return host;
  host = drive->second;
  bool exists = true;
  for (const std::string& component : parts->components) {
    const std::string name = exists ? FindEntryNoCase(host, component) : component;
    host = Join(host, name);
    exists = exists && HostExists(host);
  }
  return host;
}

std::string ToWindowsPath(const std::string& hostPath) {
  const std::map<char, std::string>& drives = TheMachine().drives;
  char bestLetter = 0;
  std::size_t bestLength = 0;
  for (const auto& [letter, root] : drives) {
    const bool under =
        root == "/" ? !hostPath.empty() && hostPath[0] == '/' : hostPath == root || hostPath.rfind(root + "/", 0) == 0;
    if (!under) continue;
    // Z: (the host's root) only when no other drive holds the path.
    const std::size_t weight = letter == 'Z' ? 0 : root.size() + 1;
    if (bestLetter == 0 || weight > bestLength) {
      bestLetter = letter;
      bestLength = weight;
    }
  }
  if (bestLetter == 0) return "";
  const std::string& root = drives.at(bestLetter);
  std::string rest = root == "/" ? hostPath.substr(1) : hostPath.substr(root.size());
  while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
  for (char& c : rest) {
    if (c == '/') c = '\\';
  }
  while (!rest.empty() && rest.back() == '\\') rest.pop_back();
  return std::string(1, bestLetter) + ":\\" + rest;
}

std::string HostParent(const std::string& hostPath) {
  const auto slash = hostPath.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return hostPath.substr(0, slash);
}

std::string HostFileName(const std::string& hostPath) {
  const auto slash = hostPath.find_last_of('/');
  return slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
}

bool HostExists(const std::string& hostPath) {
  struct stat st {};
  return lstat(hostPath.c_str(), &st) == 0;
}

bool HostIsFolder(const std::string& hostPath) {
  struct stat st {};
  return stat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

long MissingPathError(const std::string& hostPath) {
  return HostIsFolder(HostParent(hostPath)) ? platform::ErrorFileNotFound : platform::ErrorPathNotFound;
}

bool IsUnderFolder(const std::string& hostPath, const std::string& hostFolder) {
  const std::string path = LowerAnsi(hostPath);
  std::string folder = LowerAnsi(hostFolder);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder == "/") return !path.empty() && path[0] == '/';
  return path == folder || path.rfind(folder + "/", 0) == 0;
}

bool WritesDenied(const std::string& hostPath) {
  for (const std::string& folder : TheMachine().deniedWriteFolders) {
    if (IsUnderFolder(hostPath, folder)) return true;
  }
  return false;
}

}  // namespace sim::machine
