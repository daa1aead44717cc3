// The registry calls, pinned against Windows/Wine. Every test works in a
// scratch key under "Software\Muralto-contract-test" and removes it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "contract/ContractChecks.h"
#include "platform/registry.h"
#include "support/Probe.h"

namespace {

using namespace platform;
using namespace probe;
using contract::Poison;

constexpr const char* kScratch = "Software\\Muralto-contract-test";
constexpr long ErrorBadPathname = 161;
constexpr long ErrorKeyDeleted = 1018;

// Closes a key at the end of a scope.
class Key {
 public:
  Key() = default;
  ~Key() {
    if (key_ != 0) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  Hkey* Out() { return &key_; }
  Hkey get() const { return key_; }
  Hkey Release() {
    const Hkey key = key_;
    key_ = 0;
    return key;
  }

 private:
  Hkey key_ = 0;
};

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    contract::FreshMachine();
    RemoveScratch();
    ASSERT_EQ(RegCreateKeyExA(HkeyCurrentUser, kScratch, KeyAllAccess, scratch_.Out(), nullptr), ErrorSuccess);
  }
  void TearDown() override {
    RegCloseKey(scratch_.Release());
    RemoveScratch();
  }

  // Sub-keys the tests make, deepest first.
  static void RemoveScratch() {
    for (const char* sub : {"\\a\\b\\c", "\\a\\b", "\\a", "\\Sub", ""}) {
      RegDeleteKeyA(HkeyCurrentUser, (std::string(kScratch) + sub).c_str());
    }
  }

  long SetString(const char* name, const std::string& text) {
    return RegSetValueExA(scratch_.get(), name, RegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                          static_cast<std::uint32_t>(text.size() + 1));
  }

  Key scratch_;
};

TEST_F(RegistryContract, NewUserHasTheDesktopKeyWithAStringWallpaper) {
  Key desktop;
  ASSERT_EQ(RegOpenKeyExA(HkeyCurrentUser, "Control Panel\\desktop", KeyAllAccess, desktop.Out()), ErrorSuccess);
  std::uint32_t type = 0xcccccccc;
  std::uint32_t size = 0xcccccccc;
  EXPECT_EQ(RegQueryValueExA(desktop.get(), "Wallpaper", &type, nullptr, &size), ErrorSuccess);
  EXPECT_EQ(type, RegSz);
  EXPECT_GE(size, 1u);
}

TEST_F(RegistryContract, OpeningKeysByName) {
  struct Row {
    const char* subKey;
    long expected;
    const char* why;
  };
  const Row rows[] = {
      {"Control Panel\\desktop", ErrorSuccess, "the desktop key"},
      {"CONTROL PANEL\\DESKTOP", ErrorSuccess, "names compared without regard to case"},
      {"Control Panel\\desktop\\", ErrorSuccess, "a trailing backslash is accepted"},
      {"Software\\Muralto-contract-test\\Missing", ErrorFileNotFound, "a missing key"},
      {"\\Control Panel\\desktop", ErrorBadPathname, "a leading backslash is refused"},
  };
  for (const Row& row : rows) {
    Key key;
    EXPECT_EQ(RegOpenKeyExA(HkeyCurrentUser, row.subKey, KeyAllAccess, key.Out()), row.expected) << row.why;
  }
}

TEST_F(RegistryContract, CreateReportsWhetherTheKeyIsNewAndMakesEveryLevel) {
  Key first;
  std::uint32_t disposition = 0xcccccccc;
  ASSERT_EQ(RegCreateKeyExA(scratch_.get(), "a\\b\\c", KeyAllAccess, first.Out(), &disposition), ErrorSuccess);
  EXPECT_EQ(disposition, RegCreatedNewKey);
  Key again;
  disposition = 0xcccccccc;
  ASSERT_EQ(RegCreateKeyExA(scratch_.get(), "A\\B\\C", KeyAllAccess, again.Out(), &disposition), ErrorSuccess);
  EXPECT_EQ(disposition, RegOpenedExistingKey);
  Key middle;
  EXPECT_EQ(RegOpenKeyExA(HkeyCurrentUser, "Software\\Muralto-contract-test\\a\\b", KeyAllAccess, middle.Out()),
            ErrorSuccess);
  Key refused;
  EXPECT_EQ(RegCreateKeyExA(HkeyCurrentUser, "\\Software\\Muralto-contract-test", KeyAllAccess, refused.Out(), nullptr),
            ErrorBadPathname);
}

TEST_F(RegistryContract, StringQueriesGiveTypeSizeAndData) {
  ASSERT_EQ(SetString("Wallpaper", "C:\\x.bmp"), ErrorSuccess);
  const std::uint32_t needed = 9;  // 8 characters and the NUL

  std::uint32_t type = 0xcccccccc, size = 0xcccccccc;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "Wallpaper", &type, nullptr, &size), ErrorSuccess) << "size only";
  EXPECT_EQ(type, RegSz);
  EXPECT_EQ(size, needed);

  std::uint8_t data[32];
  std::memset(data, Poison, sizeof data);
  size = sizeof data;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "WALLPAPER", &type, data, &size), ErrorSuccess) << "any case";
  EXPECT_EQ(size, needed);
  EXPECT_STREQ(reinterpret_cast<const char*>(data), "C:\\x.bmp");
  EXPECT_EQ(data[needed], Poison) << "nothing written past the value";

  size = needed;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "Wallpaper", nullptr, data, &size), ErrorSuccess) << "exact buffer";

  size = 4;
  type = 0xcccccccc;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "Wallpaper", &type, data, &size), ErrorMoreData) << "buffer too small";
  EXPECT_EQ(size, needed) << "the size needed comes back";
  EXPECT_EQ(type, RegSz);
}

TEST_F(RegistryContract, EmptyStringAndDefaultValue) {
  ASSERT_EQ(SetString("Empty", ""), ErrorSuccess);
  std::uint32_t size = 0xcccccccc;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "Empty", nullptr, nullptr, &size), ErrorSuccess);
  EXPECT_EQ(size, 1u);

  ASSERT_EQ(SetString(nullptr, "default"), ErrorSuccess);
  char data[16];
  std::memset(data, Poison, sizeof data);
  size = sizeof data;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "", nullptr, reinterpret_cast<std::uint8_t*>(data), &size), ErrorSuccess);
  EXPECT_STREQ(data, "default") << "the unnamed value is the one named \"\"";
}

TEST_F(RegistryContract, DwordValues) {
  const std::uint8_t bytes[4] = {0x78, 0x56, 0x34, 0x12};
  ASSERT_EQ(RegSetValueExA(scratch_.get(), "Number", RegDword, bytes, 4), ErrorSuccess);
  std::uint8_t data[8];
  std::memset(data, Poison, sizeof data);
  std::uint32_t type = 0xcccccccc, size = sizeof data;
  ASSERT_EQ(RegQueryValueExA(scratch_.get(), "Number", &type, data, &size), ErrorSuccess);
  EXPECT_EQ(type, RegDword);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(std::memcmp(data, bytes, 4), 0);
  EXPECT_EQ(data[4], Poison);
  size = 2;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "Number", &type, data, &size), ErrorMoreData);
  EXPECT_EQ(size, 4u);
}

TEST_F(RegistryContract, RewritingAValueReplacesTypeAndDataAndKeepsItsName) {
  ASSERT_EQ(SetString("Style", "2"), ErrorSuccess);
  const std::uint8_t bytes[4] = {1, 0, 0, 0};
  ASSERT_EQ(RegSetValueExA(scratch_.get(), "STYLE", RegDword, bytes, 4), ErrorSuccess);
  std::uint32_t type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "style", &type, nullptr, &size), ErrorSuccess);
  EXPECT_EQ(type, RegDword);
  EXPECT_EQ(size, 4u);
}

TEST_F(RegistryContract, MissingValuesAndDeletion) {
  std::uint32_t size = 0;
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "Missing", nullptr, nullptr, &size), ErrorFileNotFound);
  EXPECT_EQ(RegDeleteValueA(scratch_.get(), "Missing"), ErrorFileNotFound);
  ASSERT_EQ(SetString("Gone", "x"), ErrorSuccess);
  EXPECT_EQ(RegDeleteValueA(scratch_.get(), "GONE"), ErrorSuccess);
  EXPECT_EQ(RegQueryValueExA(scratch_.get(), "Gone", nullptr, nullptr, &size), ErrorFileNotFound);
}

TEST_F(RegistryContract, DeletingKeys) {
  {
    Key deep;
    ASSERT_EQ(RegCreateKeyExA(scratch_.get(), "a\\b", KeyAllAccess, deep.Out(), nullptr), ErrorSuccess);
  }
  EXPECT_EQ(RegDeleteKeyA(scratch_.get(), "a"), ErrorAccessDenied) << "a key with sub-keys stays";
  EXPECT_EQ(RegDeleteKeyA(scratch_.get(), "A\\B"), ErrorSuccess);
  EXPECT_EQ(RegDeleteKeyA(scratch_.get(), "a"), ErrorSuccess);
  EXPECT_EQ(RegDeleteKeyA(scratch_.get(), "a"), ErrorFileNotFound);
}

TEST_F(RegistryContract, AKeyDeletedWhileOpenRefusesItsHandle) {
  Key sub;
  ASSERT_EQ(RegCreateKeyExA(scratch_.get(), "Sub", KeyAllAccess, sub.Out(), nullptr), ErrorSuccess);
  ASSERT_EQ(RegDeleteKeyA(scratch_.get(), "Sub"), ErrorSuccess);
  EXPECT_EQ(SetString("x", "y"), ErrorSuccess) << "the parent is still there";
  const std::uint8_t text[] = "y";
  EXPECT_EQ(RegSetValueExA(sub.get(), "x", RegSz, text, sizeof text), ErrorKeyDeleted);
  std::uint32_t size = 0;
  EXPECT_EQ(RegQueryValueExA(sub.get(), "x", nullptr, nullptr, &size), ErrorKeyDeleted);
}

TEST_F(RegistryContract, ClosingTwiceFails) {
  Key sub;
  ASSERT_EQ(RegOpenKeyExA(HkeyCurrentUser, kScratch, KeyAllAccess, sub.Out()), ErrorSuccess);
  const Hkey handle = sub.Release();
  EXPECT_EQ(RegCloseKey(handle), ErrorSuccess);
  EXPECT_EQ(RegCloseKey(handle), ErrorInvalidHandle);
}

}  // namespace
