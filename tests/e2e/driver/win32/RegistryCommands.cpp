#include "Commands.h"
#include "Handles.h"

#include <cstdio>
#include <iostream>
#include <vector>

namespace e2e {

namespace {

struct Hive {
  const char* prefix;
  HKEY key;
};

const Hive hives[] = {
    {"HKCU\\", HKEY_CURRENT_USER},
    {"HKEY_CURRENT_USER\\", HKEY_CURRENT_USER},
    {"HKLM\\", HKEY_LOCAL_MACHINE},
    {"HKEY_LOCAL_MACHINE\\", HKEY_LOCAL_MACHINE},
};

UniqueKey Open(const std::string& path) {
  for (const Hive& hive : hives) {
    const std::string prefix = hive.prefix;
    if (path.compare(0, prefix.size(), prefix) != 0) continue;
    HKEY key = nullptr;
    const std::string subkey = path.substr(prefix.size());
    if (RegOpenKeyExA(hive.key, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
      throw CheckFailed("no key " + path);
    return OwnKey(key);
  }
  throw UsageError("a key starts with HKCU\\ or HKLM\\: \"" + path + "\"");
}

}  // namespace

// Strings print as they are, DWORDs in decimal, anything else as hex bytes.
int RegGetCommand(const Args& args) {
  const UniqueKey key = Open(args[0]);
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.Get(), args[1].c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    throw CheckFailed("no value \"" + args[1] + "\" in " + args[0]);
  std::vector<unsigned char> data(size + 1, 0);
  if (RegQueryValueExA(key.Get(), args[1].c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
    throw CheckFailed("cannot read \"" + args[1] + "\"");
  data.resize(size);
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    std::string text(data.begin(), data.end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    std::cout << text << "\n";
  } else if (type == REG_DWORD && size == 4) {
    std::cout << (data[0] | data[1] << 8 | data[2] << 16 | static_cast<unsigned long>(data[3]) << 24) << "\n";
  } else {
    for (unsigned char byte : data) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%02x", byte);
      std::cout << hex;
    }
    std::cout << "\n";
  }
  return 0;
}

}  // namespace e2e
