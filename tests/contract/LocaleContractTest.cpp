// The user's decimal separator, which a spin edit accepts among digits.
#include <gtest/gtest.h>

#include <cstring>

#include "contract/ContractChecks.h"
#include "platform/locale.h"

namespace {

using namespace platform;

TEST(LocaleContract, TheDecimalSeparatorIsOneCharacterAndABufferTooSmallGetsNothing) {
  contract::FreshMachine();
  char separator[8];
  std::memset(separator, contract::Poison, sizeof separator);
  const int copied = GetLocaleInfoA(LocaleUserDefault, LocaleSDecimal, separator, sizeof separator);
  ASSERT_EQ(copied, static_cast<int>(std::strlen(separator)) + 1) << "the zero counted";
  EXPECT_EQ(copied, 2) << separator;
  EXPECT_FALSE(separator[0] >= '0' && separator[0] <= '9') << separator;
  EXPECT_EQ(GetLocaleInfoA(LocaleUserDefault, LocaleSDecimal, nullptr, 0), copied) << "the size it needs";
  char one[1] = {'x'};
  EXPECT_EQ(GetLocaleInfoA(LocaleUserDefault, LocaleSDecimal, one, sizeof one), 0);
}

}  // namespace
