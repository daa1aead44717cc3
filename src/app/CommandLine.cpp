#include "app/CommandLine.h"

namespace muralto {

namespace {

bool IsSeparator(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

// Reads one item starting at pos; returns false at the end of the line.
bool NextItem(const std::string& line, std::size_t& pos, std::string& item) {
  // An empty quoted pair is an item of its own (an empty one), so only
  // separators are passed over.
  while (pos < line.size() && IsSeparator(line[pos])) ++pos;
  if (pos >= line.size() || line[pos] == '\0') return false;
  item.clear();
  while (pos < line.size() && line[pos] != '\0' && !IsSeparator(line[pos])) {
    if (line[pos] == '"') {
      ++pos;
      while (pos < line.size() && line[pos] != '\0' && line[pos] != '"') item += line[pos++];
      if (pos < line.size() && line[pos] == '"') ++pos;
    } else {
      item += line[pos++];
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> items;
  std::size_t pos = 0;
  std::string item;
  while (NextItem(commandLine, pos, item)) items.push_back(item);
  return items;
}

std::string FirstArgument(const std::string& commandLine) {
  const std::vector<std::string> items = SplitCommandLine(commandLine);
  return items.size() > 1 ? items[1] : std::string();
}

bool IsAutoStartCommandLine(const std::string& commandLine) { return FirstArgument(commandLine) == "-a"; }

}  // namespace muralto
