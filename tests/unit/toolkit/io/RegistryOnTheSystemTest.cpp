// Which registry values read as text and which are errors, against whatever
// system the build targets: the simulated registry natively, the real one
// under Wine. The scratch key is removed afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "support/Probe.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/io/Registry.h"

namespace {

const std::string ScratchKey = "Software\\Muralto-system-test";

std::string ReadOutcome(toolkit::TRegistry& registry, const char* name) {
  try {
    return '"' + registry.ReadString(name) + '"';
  } catch (const toolkit::ERegistryException& e) {
    return e.Message();
  }
}

TEST(RegistryOnTheSystem, ReadStringByValueType) {
  struct Row {
    const char* name;
    std::uint32_t type;
    std::string bytes;  // nothing is written for "missing"
    const char* outcome;
  };
  const Row rows[] = {
      {"plain", platform::RegSz, std::string("text", 5), "\"text\""},
      {"expand", platform::RegExpandSz, std::string("%WINDIR%\\x", 11), "\"%WINDIR%\\x\""},
      {"unterminated", platform::RegSz, "abc", "\"abc\""},
      {"inner zero", platform::RegSz, std::string("ab\0cd\0", 6), "\"ab\""},
      {"missing", platform::RegNone, "", "\"\""},
      {"empty text", platform::RegSz, std::string(1, '\0'), "\"\""},
      {"text of no bytes", platform::RegSz, "", "\"\""},
      {"dword", platform::RegDword, std::string("\x01\0\0\0", 4), "Invalid data type for 'dword'"},
      {"binary", platform::RegBinary, "xyz", "Invalid data type for 'binary'"},
      // No bytes make no text of another type.
      {"empty binary", platform::RegBinary, "", "Invalid data type for 'empty binary'"},
      {"empty dword", platform::RegDword, "", "Invalid data type for 'empty dword'"},
  };
  {
    toolkit::TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\" + ScratchKey, true));
    for (const Row& row : rows) {
      if (row.type == platform::RegNone) continue;
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(row.bytes.data());
      ASSERT_EQ(platform::RegSetValueExA(registry.CurrentKey(), row.name, row.type, bytes,
                                         static_cast<std::uint32_t>(row.bytes.size())),
                0)
          << row.name;
    }
    for (const Row& row : rows) EXPECT_EQ(ReadOutcome(registry, row.name), row.outcome) << "row: " << row.name;
  }
  probe::RegDeleteKeyA(platform::HkeyCurrentUser, ScratchKey.c_str());
}

}  // namespace
