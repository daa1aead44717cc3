#pragma once
// The generated test pictures and small file helpers for the picture tests.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace pictures {

inline std::string Path(const std::string& name) { return std::string(MURALTO_PICTURES) + "/" + name; }

inline std::vector<std::uint8_t> ReadHostFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline std::vector<std::uint8_t> Bytes(const std::string& name) { return ReadHostFile(Path(name)); }

// Rows of a tab-separated list file of the generated set.
inline std::vector<std::vector<std::string>> Cases(const std::string& listName) {
  std::ifstream in(Path(listName));
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    std::string field;
    while (std::getline(split, field, '\t')) fields.push_back(field);
    rows.push_back(std::move(fields));
  }
  return rows;
}

inline std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

}  // namespace pictures
