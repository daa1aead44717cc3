// Which registry values read as an empty text and which are errors, against
// whatever system the build targets: the simulated registry natively, the
// real one under Wine. The scratch key is removed afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/registry.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/io/Registry.h"

namespace {

const std::string ScratchKey = "Software\\Muralto-system-test";

std::string ReadOutcome(toolkit::TRegistry& registry, const char* name) {
  try {
    std::string text = registry.ReadString(name);
    text.insert(text.begin(), '"');
    text.push_back('"');
    return text;
  } catch (const toolkit::ERegistryException& e) {
    return e.Message();
  }
}

TEST(RegistryOnTheSystem, OnlyAMissingValueOrAnEmptyTextReadsAsEmpty) {
  {
    toolkit::TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\" + ScratchKey, true));
    const auto* nothing = reinterpret_cast<const std::uint8_t*>("");
    ASSERT_EQ(platform::RegSetValueExA(registry.CurrentKey(), "empty text", platform::RegSz, nothing, 1), 0);
    ASSERT_EQ(platform::RegSetValueExA(registry.CurrentKey(), "empty binary", platform::RegBinary, nothing, 0), 0);
    struct Row {
      const char* name;
      const char* outcome;
    };
    const Row rows[] = {
        {"missing", "\"\""},                                       // not there at all
        {"empty text", "\"\""},                                    // a text of no characters
        {"empty binary", "Invalid data type for 'empty binary'"},  // no bytes, and still no text
    };
    for (const Row& row : rows) EXPECT_EQ(ReadOutcome(registry, row.name), row.outcome) << "row: " << row.name;
  }
  platform::RegDeleteKeyA(platform::HkeyCurrentUser, ScratchKey.c_str());
}

}  // namespace
