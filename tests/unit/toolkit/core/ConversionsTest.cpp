#include "toolkit/core/Conversions.h"

#include <gtest/gtest.h>

#include <optional>

#include "toolkit/core/Exceptions.h"

namespace {

struct Row {
  const char* text;
  std::optional<int> expected;
  const char* why;
};

const Row rows[] = {
    {"0", 0, "zero"},
    {"42", 42, "plain decimal"},
    {"010", 10, "leading zeros stay decimal"},
    {"  7", 7, "leading blanks skipped"},
    {" 5", 5, "one leading blank skipped"},
    {"+5", 5, "plus sign"},
    {"-5", -5, "minus sign"},
    {"2147483647", 2147483647, "largest int"},
    {"-2147483648", -2147483647 - 1, "smallest int"},
    {"2147483648", std::nullopt, "one past the largest"},
    {"-2147483649", std::nullopt, "one below the smallest"},
    {"99999999999999999999", std::nullopt, "far out of range, no wrap"},
    {"$10", 16, "dollar hex"},
    {"x10", std::nullopt, "x alone marks nothing: not a number"},
    {"X1F", std::nullopt, "nor does X"},
    {"0x10", 16, "0x hex"},
    {"0X1f", 31, "0X hex, digits in either case"},
    {"-0x10", std::nullopt, "0x only at the start, never after a sign"},
    {"+0x10", std::nullopt, "nor after a plus"},
    {"-$10", -16, "a sign, then $ hex"},
    {"$FFFFFFFF", -1, "hex covers the 32-bit pattern"},
    {"$100000000", std::nullopt, "hex beyond 32 bits"},
    {"", std::nullopt, "empty"},
    {" ", std::nullopt, "blank only"},
    {"-", std::nullopt, "sign only"},
    {"$", std::nullopt, "prefix only"},
    {"0x", std::nullopt, "0x only"},
    {"7 ", std::nullopt, "trailing blank"},
    {"ten", std::nullopt, "words"},
    {"1.5", std::nullopt, "fraction"},
    {"--1", std::nullopt, "two signs"},
    {"\t7", std::nullopt, "a tab is no blank"},
    {"$g", std::nullopt, "bad hex digit"},
};

TEST(Conversions, TryStrToIntFollowsTheRuntimeRules) {
  for (const Row& row : rows) {
    EXPECT_EQ(toolkit::TryStrToInt(row.text), row.expected) << "row: " << row.why << " (\"" << row.text << "\")";
  }
}

TEST(Conversions, StrToIntNamesTheTextInItsError) {
  try {
    toolkit::StrToInt("1x");
    FAIL() << "no error";
  } catch (const toolkit::EConvertError& e) {
    EXPECT_STREQ(e.what(), "'1x' is not a valid integer value");
  }
  EXPECT_EQ(toolkit::StrToIntDef("abc", -9), -9);
  EXPECT_EQ(toolkit::StrToIntDef("12", -9), 12);
}

}  // namespace
