#include <cstring>

#include "PlainWalk.h"

namespace bench {

namespace {
bool SameIgnoringCase(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    char c = a[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != b[i]) return false;
  }
  return true;
}
}  // namespace

bool HasPictureExtension(const char* name, std::size_t length) {
  std::size_t dot = length;
  while (dot > 0 && name[dot - 1] != '.') --dot;
  if (dot == 0) return false;
  const char* ext = name + dot - 1;
  const std::size_t n = length - (dot - 1);
  return (n == 4 && (SameIgnoringCase(ext, ".jpg", 4) || SameIgnoringCase(ext, ".bmp", 4))) ||
         (n == 5 && SameIgnoringCase(ext, ".jpeg", 5));
}

}  // namespace bench
