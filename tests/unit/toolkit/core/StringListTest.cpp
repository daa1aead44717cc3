#include "toolkit/core/StringList.h"

#include <gtest/gtest.h>

#include <functional>

#include "toolkit/core/Exceptions.h"

namespace {

using toolkit::TStringList;

TEST(StringList, KeepsOrderAndDuplicates) {
  TStringList list;
  EXPECT_EQ(list.Add("b"), 0);
  EXPECT_EQ(list.Add("a"), 1);
  EXPECT_EQ(list.Add("b"), 2);
  list.Insert(1, "c");
  list.Insert(4, "end");
  ASSERT_EQ(list.Count(), 5);
  const char* expected[] = {"b", "c", "a", "b", "end"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list.Strings(i), expected[i]) << "index " << i;
  list.Delete(0);
  EXPECT_EQ(list.Strings(0), "c");
  EXPECT_EQ(list.IndexOf("B"), 2);
  EXPECT_EQ(list.IndexOf("zz"), -1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, BadIndexNamesTheIndex) {
  TStringList list;
  list.Add("only");
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* message;
  };
  const Case cases[] = {
      {"read past the end", [&] { list.Strings(1); }, "List index out of bounds (1)"},
      {"read below zero", [&] { list.Strings(-1); }, "List index out of bounds (-1)"},
      {"delete past the end", [&] { list.Delete(1); }, "List index out of bounds (1)"},
      {"insert beyond the end", [&] { list.Insert(2, "z"); }, "List index out of bounds (2)"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what << ": no error";
    } catch (const toolkit::EStringListError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.what;
    }
  }
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
