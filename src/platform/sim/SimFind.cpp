// Folder enumeration and attributes. Entries come sorted without regard to
// case (as Wine returns them, and NTFS by its nature), after "." and ".."
// (none at a drive root).
#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/files.h"
#include "platform/sim/SimAttributes.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimPaths.h"
#include "platform/sim/SimText.h"

namespace platform {

namespace {

using sim::machine::LowerAnsi;
using sim::machine::TheMachine;

bool EndsWithSeparator(const std::string& path) { return !path.empty() && (path.back() == '\\' || path.back() == '/'); }

// "*" any run, "?" one character; compared without regard to case.
bool MatchesText(const std::string& pattern, const std::string& name) {
  const std::string p = LowerAnsi(pattern);
  const std::string n = LowerAnsi(name);
  std::size_t pi = 0, ni = 0, star = std::string::npos, resume = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      resume = ni;
    } else if (star != std::string::npos) {
      pi = star + 1;
      ni = ++resume;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

// The part of an 8.3 short name that a pattern can meaningfully match: a
// placeholder stem and the first three characters of the extension. Only
// names that are no valid 8.3 name have one.
std::string ShortNameOf(const std::string& name) {
  const auto dot = name.find_last_of('.');
  const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
  const bool valid83 =
      !stem.empty() && stem.size() <= 8 && extension.size() <= 3 && stem.find_first_of(". +,;=[]") == std::string::npos;
  if (valid83) return "";
  const std::string placeholder = "~~~~~~~~";
  return extension.empty() ? placeholder : placeholder + "." + extension.substr(0, 3);
}

// Trailing dots of a pattern ask for names without an extension ("*."
// finds "c", not "c.txt"), and a name matches through its short name too
// ("*.jpg" finds "y.jpgx").
struct Mask {
  std::string text;
  bool noExtension = false;
};
Mask ParseMask(std::string pattern) {
  Mask mask;
  while (pattern.size() > 1 && pattern.back() == '.') {
    pattern.pop_back();
    mask.noExtension = true;
  }
  mask.text = std::move(pattern);
  return mask;
}

bool Matches(const Mask& parsed, const std::string& name) {
  const std::string& mask = parsed.text;
  if (parsed.noExtension && name != "." && name != ".." && name.find('.') != std::string::npos) return false;
  if (mask == "*.*" || mask == "*") return true;
  if (MatchesText(mask, name)) return true;
  const std::string shortName = ShortNameOf(name);
  return !shortName.empty() && name != "." && name != ".." && MatchesText(mask, shortName);
}

FindDataA Entry(const std::string& name, std::uint32_t attributes, std::uint64_t size) {
  FindDataA data;
  data.dwFileAttributes = attributes;
  data.nFileSize = size;
  const std::size_t length = std::min<std::size_t>(name.size(), MaxPath - 1);
  std::memcpy(data.cFileName, name.data(), length);
  data.cFileName[length] = '\0';
  return data;
}

using Dir = std::unique_ptr<DIR, int (*)(DIR*)>;

// The names in the folder, sorted without regard to case (ties by the bytes).
// Each name is lower-cased once, not on every comparison.
std::vector<std::string> SortedNames(DIR* dir) {
  struct Keyed {
    std::string key;
    std::string name;
  };
  std::vector<Keyed> keyed;
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    keyed.push_back({LowerAnsi(name), name});
  }
  std::sort(keyed.begin(), keyed.end(),
            [](const Keyed& a, const Keyed& b) { return a.key != b.key ? a.key < b.key : a.name < b.name; });
  std::vector<std::string> names;
  names.reserve(keyed.size());
  for (Keyed& entry : keyed) names.push_back(std::move(entry.name));
  return names;
}

Handle Fail(long error) {
  sim::SetLastError(static_cast<std::uint32_t>(error));
  return InvalidHandleValue;
}

}  // namespace

Handle FindFirstFileA(const char* pattern, FindDataA* data) {
  if (pattern == nullptr || data == nullptr) return Fail(ErrorInvalidParameter);
  const std::string text = pattern;
  if (TheMachine().findHook) TheMachine().findHook(text);
  const auto split = text.find_last_of("\\/");
  const std::string folder = split == std::string::npos ? (text.size() >= 2 && text[1] == ':' ? text.substr(0, 2) : "")
                                                        : text.substr(0, split + 1);
  const Mask mask = ParseMask(split == std::string::npos ? text.substr(folder.size()) : text.substr(split + 1));
  if (mask.text.empty()) return Fail(ErrorFileNotFound);
  const auto parts = sim::machine::ParseWindowsPath(folder);
  const auto host = sim::machine::ToHostPath(folder);
  if (!parts || !host || !sim::machine::HostIsFolder(*host)) return Fail(ErrorPathNotFound);

  sim::machine::FindState find;
  if (!parts->components.empty()) {
    for (const char* dot : {".", ".."}) {
      if (!Matches(mask, dot)) continue;
      const std::string target = std::string(dot) == "." ? *host : sim::machine::HostParent(*host);
      find.entries.push_back(Entry(dot, sim::machine::AttributesOf(target).value_or(FileAttributeDirectory), 0));
    }
  }
  const Dir dir(opendir(host->c_str()), closedir);
  if (!dir) return Fail(ErrorAccessDenied);
  const std::vector<std::string> names = SortedNames(dir.get());
  find.entries.reserve(find.entries.size() + names.size());
  for (const std::string& name : names) {
    if (!Matches(mask, name)) continue;
    const auto facts = sim::machine::FactsOfEntry(dirfd(dir.get()), *host, name);
    if (!facts) continue;
    find.entries.push_back(Entry(name, facts->attributes, facts->size));
  }
  if (find.entries.empty()) return Fail(ErrorFileNotFound);
  *data = find.entries[0];
  find.next = 1;
  auto& state = TheMachine();
  const Handle handle = state.next.file++;
  state.finds[handle] = std::move(find);
  return handle;
}

bool FindNextFileA(Handle find, FindDataA* data) {
  auto& finds = TheMachine().finds;
  const auto found = finds.find(find);
  if (found == finds.end() || data == nullptr) {
    sim::SetLastError(ErrorInvalidHandle);
    return false;
  }
  if (found->second.next >= found->second.entries.size()) {
    sim::SetLastError(ErrorNoMoreFiles);
    return false;
  }
  *data = found->second.entries[found->second.next++];
  return true;
}

bool FindClose(Handle find) {
  if (TheMachine().finds.erase(find) == 1) return true;
  sim::SetLastError(ErrorInvalidHandle);
  return false;
}

std::uint32_t GetFileAttributesA(const char* path) {
  if (path == nullptr) {
    sim::SetLastError(ErrorInvalidParameter);
    return InvalidFileAttributes;
  }
  const auto parts = sim::machine::ParseWindowsPath(path);
  const auto host = sim::machine::ToHostPath(path);
  if (!parts || !host) {
    sim::SetLastError(ErrorPathNotFound);
    return InvalidFileAttributes;
  }
  const auto attributes = sim::machine::AttributesOf(*host);
  if (!attributes) {
    sim::SetLastError(static_cast<std::uint32_t>(sim::machine::MissingPathError(*host)));
    return InvalidFileAttributes;
  }
  if (EndsWithSeparator(path) && (*attributes & FileAttributeDirectory) == 0) {
    sim::SetLastError(ErrorPathNotFound);
    return InvalidFileAttributes;
  }
  return *attributes;
}

}  // namespace platform
