#include "platform/sim/SimRegistryTree.h"

#include <algorithm>

#include "platform/sim/SimText.h"

namespace sim::machine {

namespace {

std::vector<std::string> SplitKeyPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '\\') {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

}  // namespace

RegValue* RegistryKey::FindValue(const std::string& valueName) {
  for (auto& [name, value] : values) {
    if (EqualNoCase(name, valueName)) return &value;
  }
  return nullptr;
}

void RegistryKey::SetValue(const std::string& valueName, const RegValue& value) {
  if (RegValue* existing = FindValue(valueName)) {
    *existing = value;
  } else {
    values.emplace_back(valueName, value);
  }
}

bool RegistryKey::DeleteValue(const std::string& valueName) {
  const auto found = std::find_if(values.begin(), values.end(),
                                  [&](const auto& entry) { return EqualNoCase(entry.first, valueName); });
  if (found == values.end()) return false;
  values.erase(found);
  return true;
}

RegistryTree::RegistryTree() = default;

RegistryKey* RegistryTree::Find(const std::string& path) {
  RegistryKey* key = &root_;
  for (const std::string& part : SplitKeyPath(path)) {
    const auto child = key->children.find(LowerAnsi(part));
    if (child == key->children.end()) return nullptr;
    key = child->second.get();
  }
  return key;
}

RegistryKey* RegistryTree::Create(const std::string& path, bool* created) {
  bool made = false;
  RegistryKey* key = &root_;
  for (const std::string& part : SplitKeyPath(path)) {
    auto& slot = key->children[LowerAnsi(part)];
    if (!slot) {
      slot = std::make_unique<RegistryKey>();
      slot->name = part;
      made = true;
    }
    key = slot.get();
  }
  if (created != nullptr) *created = made;
  return key;
}

bool RegistryTree::Delete(const std::string& path) {
  std::vector<std::string> parts = SplitKeyPath(path);
  if (parts.empty()) return false;
  const std::string last = LowerAnsi(parts.back());
  parts.pop_back();
  RegistryKey* parent = &root_;
  for (const std::string& part : parts) {
    const auto child = parent->children.find(LowerAnsi(part));
    if (child == parent->children.end()) return false;
    parent = child->second.get();
  }
  const auto victim = parent->children.find(last);
  if (victim == parent->children.end() || !victim->second->children.empty()) return false;
  parent->children.erase(victim);
  return true;
}

void RegistryTree::DeleteTree(const std::string& path) {
  if (RegistryKey* key = Find(path)) key->children.clear();
  Delete(path);
}

void RegistryTree::Clear() {
  root_.children.clear();
  root_.values.clear();
}

std::string RegistryTree::Canonical(const std::string& path) {
  std::string result;
  for (const std::string& part : SplitKeyPath(path)) {
    if (!result.empty()) result += '\\';
    result += LowerAnsi(part);
  }
  return result;
}

}  // namespace sim::machine
