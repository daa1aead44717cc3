#include "wallpaper/RuntimeRandom.h"

namespace muralto {

void RuntimeRandom::Seed(std::uint32_t seed) {
  state_ = seed;
  Advance();
}

std::uint32_t RuntimeRandom::Draw() {
  Advance();
  return (state_ >> 16) & 0x7FFFu;
}

std::uint32_t PickIndex(RuntimeRandom& generator, std::uint32_t seed, std::uint32_t count) {
  if (count == 0) return 0;
  generator.Seed(seed);
  const std::uint32_t first = generator.Draw();
  if (count <= 32768u) return first % count;
  const std::uint32_t wide = (first << 15) | generator.Draw();
  return wide % count;
}

}  // namespace muralto
