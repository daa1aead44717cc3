#pragma once
// The simulated registry of the current user: a tree of keys whose names,
// like the names of their values, are compared without regard to case.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/world.h"

namespace sim::machine {

struct RegistryKey {
  std::string name;
  std::map<std::string, std::unique_ptr<RegistryKey>> children;  // by lower-cased name
  std::vector<std::pair<std::string, RegValue>> values;          // in creation order

  RegValue* FindValue(const std::string& valueName);
  void SetValue(const std::string& valueName, const RegValue& value);
  bool DeleteValue(const std::string& valueName);
};

class RegistryTree {
 public:
  RegistryTree();

  // Paths are key names joined by "\"; an empty path is the root.
  RegistryKey* Find(const std::string& path);
  RegistryKey* Create(const std::string& path, bool* created);
  // Fails (false) when the key is missing or still has sub-keys.
  bool Delete(const std::string& path);
  void DeleteTree(const std::string& path);
  void Clear();

  // "a\\b\\" and "A\\B" name the same key; the result is lower-cased.
  static std::string Canonical(const std::string& path);

 private:
  RegistryKey root_;
};

}  // namespace sim::machine
