#pragma once
// The runtime's linear congruential generator that random picks use, so
// that a given clock second always chooses the same picture.
#include <cstdint>

namespace muralto {

class RuntimeRandom {
 public:
  // Sets the state and advances it once, throwing that result away.
  void Seed(std::uint32_t seed);
  // A value from 0 to 32767.
  std::uint32_t Draw();
  std::uint32_t State() const { return state_; }

 private:
  void Advance() { state_ = state_ * 22695477u + 1u; }
  std::uint32_t state_ = 0;
};

// An index below count from a generator freshly seeded with seed. Pools of
// up to 32768 entries take one draw modulo the count; a larger pool takes a
// second draw for the high bits, so every entry can be chosen.
std::uint32_t PickIndex(RuntimeRandom& generator, std::uint32_t seed, std::uint32_t count);

}  // namespace muralto
