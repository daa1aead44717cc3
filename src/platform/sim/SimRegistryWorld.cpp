// The test-facing side of the simulated registry.
#include <cstdio>

#include "platform/registry.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimRegistryJournal.h"

namespace sim {

using machine::RegistryTree;
using machine::TheMachine;

namespace machine {

void Journal(const std::string& entry) { TheMachine().journal.push_back(entry); }

std::string JournalText(const RegValue& value) {
  if (value.type == platform::RegSz || value.type == platform::RegExpandSz) {
    std::string text(value.data.begin(), value.data.end());
    const auto end = text.find('\0');
    if (end != std::string::npos) text.resize(end);
    return text;
  }
  if (value.type == platform::RegDword && value.data.size() == 4) {
    const std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                 (static_cast<std::uint32_t>(value.data[3]) << 24);
    return std::to_string(number);
  }
  std::string text = "hex:";
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", value.data[i]);
    if (i > 0) text += ',';
    text += byte;
  }
  return text;
}

long RefusedWrite(const std::string& keyPath) {
  const std::string path = RegistryTree::Canonical(keyPath);
  for (const auto& [key, error] : TheMachine().registryFailures) {
    if (key.empty() || path == key || path.rfind(key + "\\", 0) == 0) return error;
  }
  return 0;
}

}  // namespace machine

bool RegKeyExists(const std::string& key) { return TheMachine().registry.Find(key) != nullptr; }

void RegCreateKey(const std::string& key) { TheMachine().registry.Create(key, nullptr); }

void RegDeleteKey(const std::string& key) { TheMachine().registry.DeleteTree(key); }

void RegSetString(const std::string& key, const std::string& name, const std::string& value) {
  RegValue stored;
  stored.type = platform::RegSz;
  stored.data.assign(value.begin(), value.end());
  stored.data.push_back(0);
  RegSetRaw(key, name, stored);
}

void RegSetRaw(const std::string& key, const std::string& name, const RegValue& value) {
  TheMachine().registry.Create(key, nullptr)->SetValue(name, value);
}

bool RegGet(const std::string& key, const std::string& name, RegValue* value) {
  machine::RegistryKey* found = TheMachine().registry.Find(key);
  if (found == nullptr) return false;
  const RegValue* stored = found->FindValue(name);
  if (stored == nullptr) return false;
  if (value != nullptr) *value = *stored;
  return true;
}

std::string RegGetString(const std::string& key, const std::string& name) {
  RegValue value;
  if (!RegGet(key, name, &value)) return "";
  std::string text(value.data.begin(), value.data.end());
  const auto end = text.find('\0');
  if (end != std::string::npos) text.resize(end);
  return text;
}

std::vector<std::string>& RegJournal() { return TheMachine().journal; }

void RegFailWritesUnder(const std::string& key, long error) {
  auto& failures = TheMachine().registryFailures;
  const std::string path = RegistryTree::Canonical(key);
  std::erase_if(failures, [&](const auto& entry) { return entry.first == path; });
  if (error != platform::ErrorSuccess) failures.emplace_back(path, error);
}

}  // namespace sim
