#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using muralto::IsAutoStartCommandLine;
using muralto::SplitCommandLine;

struct SplitCase {
  const char* name;
  std::string line;
  std::vector<std::string> items;
};

TEST(CommandLine, SplitsLikeTheRuntime) {
  const SplitCase cases[] = {
      {"quoted program path", "\"Z:\\a b\\Muralto.exe\" -a", {"Z:\\a b\\Muralto.exe", "-a"}},
      {"tabs and controls separate", "prog\t-a\x01x", {"prog", "-a", "x"}},
      {"quotes inside an item are dropped", "prog a\"b c\"d", {"prog", "ab cd"}},
      {"unclosed quote runs to the end", "prog \"a b", {"prog", "a b"}},
      {"leading empty quotes skipped", "prog \"\" -a", {"prog", "-a"}},
      {"only blanks", "   ", {}},
      {"high bytes belong to items", "prog \xe9t\xe9", {"prog", "\xe9t\xe9"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.line), c.items) << c.name;
  }
}

TEST(CommandLine, OnlyAnExactFirstDashAStartsHidden) {
  struct Row {
    const char* line;
    bool hidden;
  } rows[] = {
      {"\"C:\\Muralto\\Muralto.exe\" -a", true},
      {"C:\\Muralto\\Muralto.exe -a", true},
      {"C:\\Muralto\\Muralto.exe -A", false},
      {"C:\\Muralto\\Muralto.exe x -a", false},
      {"C:\\Muralto\\Muralto.exe", false},
      {"C:\\Muralto\\Muralto.exe \"-a\"", true},
      // An unquoted path with a blank: its second half becomes the first argument.
      {"C:\\Program Files\\Muralto\\Muralto.exe -a", false},
  };
  for (const auto& r : rows) EXPECT_EQ(IsAutoStartCommandLine(r.line), r.hidden) << r.line;
}

}  // namespace
