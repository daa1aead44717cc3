#include "toolkit/io/Registry.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/world.h"
#include "support/TestMachine.h"
#include "toolkit/core/Exceptions.h"

namespace {

const std::string Key = "Software\\Muralto-test";

std::string ReadError(toolkit::TRegistry& registry, const std::string& name) {
  try {
    registry.ReadString(name);
  } catch (const toolkit::ERegistryException& e) {
    return e.Message();
  }
  return "no error";
}

TEST(Registry, AValueThatCannotBeSizedIsAFailedReadNotAnEmptyText) {
  support::TestMachine machine;
  sim::RegCreateKey(Key);
  sim::RegSetString(Key, "Wallpaper", "C:\\a.bmp");
  toolkit::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\" + Key, false));
  // The open key is deleted under the reader's hands: every query of it fails.
  sim::RegDeleteKey(Key);
  EXPECT_EQ(ReadError(registry, "Wallpaper"), "Failed to get data for 'Wallpaper'");
  EXPECT_EQ(ReadError(registry, "missing"), "Failed to get data for 'missing'");
}

TEST(Registry, WriteStringStoresTheTerminatingZero) {
  support::TestMachine machine;
  toolkit::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\" + Key, true));
  registry.WriteString("Name", "abc");
  sim::RegValue value;
  ASSERT_TRUE(sim::RegGet(Key, "Name", &value));
  EXPECT_EQ(value.type, platform::RegSz);
  EXPECT_EQ(std::string(value.data.begin(), value.data.end()), std::string("abc\0", 4));
}

TEST(Registry, RefusedWriteNamesTheValue) {
  support::TestMachine machine;
  sim::RegCreateKey(Key);
  toolkit::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\" + Key, false));
  sim::RegFailWritesUnder(Key, platform::ErrorAccessDenied);
  try {
    registry.WriteString("Wallpaper", "x");
    FAIL() << "no error";
  } catch (const toolkit::ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Failed to set data for 'Wallpaper'");
  }
}

TEST(Registry, OpenKeyWithoutCreateLeavesMissingKeysMissing) {
  support::TestMachine machine;
  toolkit::TRegistry registry;
  EXPECT_FALSE(registry.OpenKey("\\" + Key, false));
  EXPECT_FALSE(sim::RegKeyExists(Key));
  EXPECT_TRUE(registry.OpenKey("\\" + Key, true));
  EXPECT_TRUE(sim::RegKeyExists(Key));
}

TEST(Registry, RelativeKeysFollowTheOpenKeyAndOnlyOneStaysOpen) {
  support::TestMachine machine;
  sim::RegCreateKey(Key + "\\Inner");
  sim::RegSetString(Key + "\\Inner", "v", "inner");
  toolkit::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\" + Key, false));
  EXPECT_EQ(registry.CurrentPath(), Key);
  ASSERT_TRUE(registry.OpenKey("Inner", false));
  EXPECT_EQ(registry.CurrentPath(), Key + "\\Inner");
  EXPECT_EQ(registry.ReadString("v"), "inner");
  registry.CloseKey();
  EXPECT_EQ(registry.CurrentKey(), 0u);
  EXPECT_EQ(registry.CurrentPath(), "");
}

TEST(Registry, ADeletedValueIsGoneOnce) {
  support::TestMachine machine;
  toolkit::TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\" + Key, true));
  registry.WriteString("s", "1");
  EXPECT_TRUE(registry.DeleteValue("s"));
  EXPECT_FALSE(registry.DeleteValue("s"));
  EXPECT_EQ(registry.ReadString("s"), "") << "a value that is not there reads as empty";
}

}  // namespace
