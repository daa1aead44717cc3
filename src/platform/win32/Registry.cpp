// The registry calls over the real API.
#include <windows.h>

#include "platform/registry.h"

namespace platform {

namespace {

HKEY Native(Hkey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long RegOpenKeyExA(Hkey root, const char* subKey, std::uint32_t samDesired, Hkey* result) {
  HKEY opened = nullptr;
  const LONG status = ::RegOpenKeyExA(Native(root), subKey, 0, samDesired, &opened);
  if (status == ERROR_SUCCESS && result != nullptr) *result = reinterpret_cast<Hkey>(opened);
  return status;
}

long RegCreateKeyExA(Hkey root, const char* subKey, std::uint32_t samDesired, Hkey* result,
                     std::uint32_t* disposition) {
  HKEY created = nullptr;
  DWORD how = 0;
  const LONG status =
      ::RegCreateKeyExA(Native(root), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, samDesired, nullptr, &created, &how);
  if (status == ERROR_SUCCESS) {
    if (result != nullptr) *result = reinterpret_cast<Hkey>(created);
    if (disposition != nullptr) *disposition = how;
  }
  return status;
}

long RegQueryValueExA(Hkey key, const char* name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
  DWORD nativeType = 0;
  DWORD nativeSize = size != nullptr ? *size : 0;
  const LONG status = ::RegQueryValueExA(Native(key), name, nullptr, type != nullptr ? &nativeType : nullptr, data,
                                         size != nullptr ? &nativeSize : nullptr);
  if (type != nullptr && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)) *type = nativeType;
  if (size != nullptr && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)) *size = nativeSize;
  return status;
}

long RegSetValueExA(Hkey key, const char* name, std::uint32_t type, const std::uint8_t* data, std::uint32_t size) {
  return ::RegSetValueExA(Native(key), name, 0, type, data, size);
}

long RegDeleteValueA(Hkey key, const char* name) { return ::RegDeleteValueA(Native(key), name); }

long RegCloseKey(Hkey key) { return ::RegCloseKey(Native(key)); }

}  // namespace platform
