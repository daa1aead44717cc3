#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using muralto::FirstArgument;
using muralto::IsAutoStartCommandLine;
using muralto::SplitCommandLine;

TEST(CommandLine, SplitsLikeTheRuntime) {
  struct Row {
    const char* name;
    std::string line;
    std::vector<std::string> items;
  };
  const Row rows[] = {
      // Blanks inside the quotes belong to the path, the quotes go.
      {"quoted program path", "\"Z:\\a b\\Muralto.exe\" -a", {"Z:\\a b\\Muralto.exe", "-a"}},
      // Without quotes the path breaks at its blank.
      {"unquoted path with a blank", "C:\\a b\\Muralto.exe -a", {"C:\\a", "b\\Muralto.exe", "-a"}},
      {"tabs and controls separate", "prog\t-a\x01x", {"prog", "-a", "x"}},
      {"a run of mixed separators is one break", "prog \t \x1f -a", {"prog", "-a"}},
      {"quotes inside an item are dropped", "prog a\"b c\"d", {"prog", "ab cd"}},
      {"unclosed quote runs to the end", "prog \"a b", {"prog", "a b"}},
      // An empty pair is an argument like any other, wherever it stands.
      {"empty quotes are an empty argument", "prog \"\" -a", {"prog", "", "-a"}},
      {"empty quotes last", "prog -a \"\"", {"prog", "-a", ""}},
      {"two empty pairs", "prog \"\" \"\"", {"prog", "", ""}},
      {"empty quotes glued to text add nothing", "prog \"\"-a", {"prog", "-a"}},
      {"an empty program path", "\"\" -a", {"", "-a"}},
      {"quoted -a", "prog \"-a\"", {"prog", "-a"}},
      {"trailing blanks and tabs", "prog -a  \t ", {"prog", "-a"}},
      {"leading blanks", "  prog -a", {"prog", "-a"}},
      {"only blanks", "   ", {}},
      {"empty line", "", {}},
      {"high bytes belong to items", "prog \xe9t\xe9", {"prog", "\xe9t\xe9"}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SplitCommandLine(row.line), row.items) << row.name;
  }
}

TEST(CommandLine, OnlyAnExactFirstDashAStartsHidden) {
  struct Row {
    const char* line;
    const char* first;
    bool hidden;
  } rows[] = {
      {"\"C:\\Program Files\\Muralto\\Muralto.exe\" -a", "-a", true},
      {"C:\\Muralto\\Muralto.exe -a", "-a", true},
      {"C:\\Muralto\\Muralto.exe\t-a", "-a", true},
      {"C:\\Muralto\\Muralto.exe -a   ", "-a", true},
      {"C:\\Muralto\\Muralto.exe \"-a\"", "-a", true},
      {"C:\\Muralto\\Muralto.exe -a x", "-a", true},
      // Case-sensitive.
      {"C:\\Muralto\\Muralto.exe -A", "-A", false},
      // Only the first argument counts, an empty one included.
      {"C:\\Muralto\\Muralto.exe x -a", "x", false},
      {"C:\\Muralto\\Muralto.exe \"\" -a", "", false},
      {"C:\\Muralto\\Muralto.exe \" -a\"", " -a", false},
      {"C:\\Muralto\\Muralto.exe -ab", "-ab", false},
      {"C:\\Muralto\\Muralto.exe", "", false},
      // An unquoted path with a blank: its second half becomes the first argument.
      {"C:\\Program Files\\Muralto\\Muralto.exe -a", "Files\\Muralto\\Muralto.exe", false},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(FirstArgument(r.line), r.first) << r.line;
    EXPECT_EQ(IsAutoStartCommandLine(r.line), r.hidden) << r.line;
  }
}

}  // namespace
