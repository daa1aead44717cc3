#include "toolkit/io/Registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/core/Exceptions.h"

namespace toolkit {

void TRegistry::SetRootKey(platform::Hkey root) {
  if (root == rootKey_) return;
  CloseKey();
  rootKey_ = root;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  const bool relative = key.empty() || key.front() != '\\';
  const std::string subKey = relative ? key : key.substr(1);
  const platform::Hkey base = (relative && currentKey_.Get() != 0) ? currentKey_.Get() : rootKey_;
  platform::Hkey opened = 0;
  long result;
  if (!canCreate || subKey.empty()) {
    result = platform::RegOpenKeyExA(base, subKey.c_str(), access_, &opened);
  } else {
    std::uint32_t disposition = 0;
    result = platform::RegCreateKeyExA(base, subKey.c_str(), access_, &opened, &disposition);
  }
  if (result != platform::ErrorSuccess) return false;
  std::string path = (relative && currentKey_.Get() != 0) ? currentPath_ + "\\" + subKey : subKey;
  CloseKey();
  currentKey_.Reset(opened);
  currentPath_ = std::move(path);
  return true;
}

void TRegistry::CloseKey() {
  currentKey_.Reset();
  currentPath_.clear();
}

std::string TRegistry::ReadString(const std::string& name) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  const long sized = platform::RegQueryValueExA(currentKey_.Get(), name.c_str(), &type, nullptr, &size);
  // Only a value that is not there reads as empty; one that is there but
  // cannot be sized is a failed read, not an empty text.
  if (sized == platform::ErrorFileNotFound) return {};
  if (sized != platform::ErrorSuccess) throw ERegistryException(msg::RegGetDataFailed(name));
  // The type is checked even when there are no bytes: an empty binary value is no text.
  if (type != platform::RegSz && type != platform::RegExpandSz) throw ERegistryException(msg::InvalidRegType(name));
  if (size == 0) return {};
  std::vector<std::uint8_t> data(size);
  if (platform::RegQueryValueExA(currentKey_.Get(), name.c_str(), &type, data.data(), &size) !=
      platform::ErrorSuccess) {
    throw ERegistryException(msg::RegGetDataFailed(name));
  }
  if (type != platform::RegSz && type != platform::RegExpandSz) throw ERegistryException(msg::InvalidRegType(name));
  // The text ends at its first zero, or at the data's end when none is stored.
  const std::size_t used = std::min<std::size_t>(size, data.size());
  const auto* bytes = reinterpret_cast<const char*>(data.data());
  return std::string(bytes, strnlen(bytes, used));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(value.c_str());
  if (platform::RegSetValueExA(currentKey_.Get(), name.c_str(), platform::RegSz, data,
                               static_cast<std::uint32_t>(value.size() + 1)) != platform::ErrorSuccess) {
    throw ERegistryException(msg::RegSetDataFailed(name));
  }
}

bool TRegistry::DeleteValue(const std::string& name) {
  return platform::RegDeleteValueA(currentKey_.Get(), name.c_str()) == platform::ErrorSuccess;
}

}  // namespace toolkit
