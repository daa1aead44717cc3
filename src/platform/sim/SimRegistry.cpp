// The registry calls over the simulated tree of the current user.
#include <cstring>
#include <optional>

#include "platform/registry.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimRegistryJournal.h"

namespace platform {

namespace {

using sim::machine::RegistryKey;
using sim::machine::RegistryTree;
using sim::machine::TheMachine;

constexpr long ErrorBadPathname = 161;
constexpr long ErrorKeyDeleted = 1018;

// The key path below HKEY_CURRENT_USER that a handle stands for.
std::optional<std::string> PathOf(Hkey key) {
  if (key == HkeyCurrentUser) return std::string();
  const auto& open = TheMachine().openKeys;
  const auto found = open.find(key);
  if (found == open.end()) return std::nullopt;
  return found->second;
}

std::string Child(const std::string& parent, const char* subKey) {
  std::string path = parent;
  if (subKey != nullptr && *subKey != '\0') {
    if (!path.empty()) path += '\\';
    path += subKey;
  }
  return RegistryTree::Canonical(path);
}

Hkey NewHandle(const std::string& path) {
  auto& state = TheMachine();
  const Hkey handle = state.next.key;
  state.next.key += 4;
  state.openKeys[handle] = path;
  return handle;
}

// Resolves the key of a handle for a value operation.
long KeyOf(Hkey key, RegistryKey** result, std::string* path) {
  const auto keyPath = PathOf(key);
  if (!keyPath) return ErrorInvalidHandle;
  *result = TheMachine().registry.Find(*keyPath);
  if (*result == nullptr) return ErrorKeyDeleted;
  if (path != nullptr) *path = *keyPath;
  return ErrorSuccess;
}

bool BadSubKey(const char* subKey) { return subKey != nullptr && subKey[0] == '\\'; }

}  // namespace

long RegOpenKeyExA(Hkey root, const char* subKey, std::uint32_t, Hkey* result) {
  if (result == nullptr) return ErrorInvalidParameter;
  const auto rootPath = PathOf(root);
  if (!rootPath) return ErrorInvalidHandle;
  if (BadSubKey(subKey)) return ErrorBadPathname;
  const std::string path = Child(*rootPath, subKey);
  if (TheMachine().registry.Find(path) == nullptr) return ErrorFileNotFound;
  *result = NewHandle(path);
  return ErrorSuccess;
}

long RegCreateKeyExA(Hkey root, const char* subKey, std::uint32_t, Hkey* result, std::uint32_t* disposition) {
  if (result == nullptr) return ErrorInvalidParameter;
  const auto rootPath = PathOf(root);
  if (!rootPath) return ErrorInvalidHandle;
  if (BadSubKey(subKey)) return ErrorBadPathname;
  const std::string path = Child(*rootPath, subKey);
  auto& registry = TheMachine().registry;
  const bool exists = registry.Find(path) != nullptr;
  if (!exists) {
    if (const long refused = sim::machine::RefusedWrite(path)) return refused;
    registry.Create(path, nullptr);
    sim::machine::Journal("create key " + path);
  }
  if (disposition != nullptr) *disposition = exists ? RegOpenedExistingKey : RegCreatedNewKey;
  *result = NewHandle(path);
  return ErrorSuccess;
}

long RegQueryValueExA(Hkey key, const char* name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
  RegistryKey* found = nullptr;
  if (const long error = KeyOf(key, &found, nullptr)) return error;
  if (data != nullptr && size == nullptr) return ErrorInvalidParameter;
  const sim::RegValue* value = found->FindValue(name == nullptr ? "" : name);
  if (value == nullptr) return ErrorFileNotFound;
  if (type != nullptr) *type = value->type;
  const auto needed = static_cast<std::uint32_t>(value->data.size());
  if (size == nullptr) return ErrorSuccess;
  if (data != nullptr && *size < needed) {
    *size = needed;
    return ErrorMoreData;
  }
  if (data != nullptr && needed > 0) std::memcpy(data, value->data.data(), needed);
  *size = needed;
  return ErrorSuccess;
}

long RegSetValueExA(Hkey key, const char* name, std::uint32_t type, const std::uint8_t* data, std::uint32_t size) {
  RegistryKey* found = nullptr;
  std::string path;
  if (const long error = KeyOf(key, &found, &path)) return error;
  if (data == nullptr && size > 0) return ErrorInvalidParameter;
  if (const long refused = sim::machine::RefusedWrite(path)) return refused;
  sim::RegValue value;
  value.type = type;
  if (size > 0) value.data.assign(data, data + size);
  const std::string valueName = name == nullptr ? "" : name;
  found->SetValue(valueName, value);
  sim::machine::Journal("set " + valueName + "=" + sim::machine::JournalText(value));
  return ErrorSuccess;
}

long RegDeleteValueA(Hkey key, const char* name) {
  RegistryKey* found = nullptr;
  std::string path;
  if (const long error = KeyOf(key, &found, &path)) return error;
  const std::string valueName = name == nullptr ? "" : name;
  if (found->FindValue(valueName) == nullptr) return ErrorFileNotFound;
  if (const long refused = sim::machine::RefusedWrite(path)) return refused;
  found->DeleteValue(valueName);
  sim::machine::Journal("delete " + valueName);
  return ErrorSuccess;
}

long RegCloseKey(Hkey key) {
  if (key == HkeyCurrentUser) return ErrorSuccess;
  return TheMachine().openKeys.erase(key) == 1 ? ErrorSuccess : ErrorInvalidHandle;
}

}  // namespace platform

namespace sim {

long RegDeleteKeyA(platform::Hkey root, const char* subKey) {
  using namespace platform;
  const auto rootPath = PathOf(root);
  if (!rootPath) return ErrorInvalidHandle;
  if (BadSubKey(subKey)) return ErrorBadPathname;
  if (subKey == nullptr || *subKey == '\0') return ErrorAccessDenied;
  const std::string path = Child(*rootPath, subKey);
  auto& registry = TheMachine().registry;
  RegistryKey* found = registry.Find(path);
  if (found == nullptr) return ErrorFileNotFound;
  if (!found->children.empty()) return ErrorAccessDenied;
  if (const long refused = sim::machine::RefusedWrite(path)) return refused;
  registry.Delete(path);
  sim::machine::Journal("delete key " + path);
  return ErrorSuccess;
}

}  // namespace sim
