#pragma once
// TRegistry: one open key at a time under a root key, with typed values.
// Failures of value reads and writes throw ERegistryException.
#include <cstdint>
#include <string>

#include "platform/UniqueHandle.h"
#include "platform/registry.h"
#include "toolkit/core/Object.h"

namespace toolkit {

class TRegistry : public TObject {
 public:
  explicit TRegistry(std::uint32_t access = platform::KeyAllAccess) : access_(access) {}
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  platform::Hkey RootKey() const { return rootKey_; }
  // Closes any open key first, since its path would belong to the old root.
  void SetRootKey(platform::Hkey root);
  platform::Hkey CurrentKey() const { return currentKey_.Get(); }
  const std::string& CurrentPath() const { return currentPath_; }

  // A leading "\" makes key absolute from the root; otherwise it is relative
  // to the open key (or the root when none is open). On success the new key
  // replaces the open one.
  bool OpenKey(const std::string& key, bool canCreate);
  // Closes the handle without forcing a flush.
  void CloseKey();

  // REG_SZ or REG_EXPAND_SZ; a missing value reads as "".
  std::string ReadString(const std::string& name);
  // REG_SZ with its terminating zero.
  void WriteString(const std::string& name, const std::string& value);
  // REG_DWORD.
  bool DeleteValue(const std::string& name);

 private:
  std::uint32_t access_;
  platform::Hkey rootKey_ = platform::HkeyCurrentUser;
  platform::UniqueHandle<platform::Hkey, long (*)(platform::Hkey)> currentKey_{0, &platform::RegCloseKey};
  std::string currentPath_;
};

}  // namespace toolkit
