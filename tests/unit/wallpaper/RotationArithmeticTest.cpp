#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "wallpaper/Interval.h"
#include "wallpaper/RuntimeRandom.h"

namespace {

using muralto::IntervalMilliseconds;
using muralto::PickIndex;
using muralto::RuntimeRandom;

TEST(RuntimeRandom, KnownFirstDraws) {
  RuntimeRandom r;
  r.Seed(1);
  EXPECT_EQ(r.Draw(), 130u);
  r.Seed(0);
  EXPECT_EQ(r.Draw(), 346u);
}

TEST(RuntimeRandom, PickIndexKeepsTheSingleDrawForSmallPools) {
  RuntimeRandom r;
  EXPECT_EQ(PickIndex(r, 1, 100), 30u);
  EXPECT_EQ(PickIndex(r, 1, 1), 0u);
  // Up to 32768 entries the pick is exactly one draw modulo the count.
  for (std::uint32_t seed : {0u, 1u, 12345u, 1700000000u}) {
    RuntimeRandom single;
    single.Seed(seed);
    const std::uint32_t draw = single.Draw();
    for (std::uint32_t count : {2u, 7u, 1000u, 32767u, 32768u}) {
      EXPECT_EQ(PickIndex(r, seed, count), draw % count) << "seed " << seed << " count " << count;
    }
  }
}

TEST(RuntimeRandom, LargePoolsReachBeyondTheFirst32768) {
  RuntimeRandom r;
  const std::uint32_t count = 100000;
  std::uint32_t highest = 0;
  for (std::uint32_t seed = 0; seed < 2000; ++seed) {
    const std::uint32_t i = PickIndex(r, seed, count);
    ASSERT_LT(i, count);
    highest = std::max(highest, i);
  }
  EXPECT_GT(highest, 32767u);
}

TEST(Interval, ThirtyTwoBitRule) {
  struct Row {
    std::int32_t h, m, s;
    std::uint32_t ms;
  } rows[] = {
      {0, 0, 0, 0},
      {0, 0, 5, 5000},
      {1, 0, 0, 3600000},
      {24, 59, 59, 89999000},
      {-2, 0, 0, static_cast<std::uint32_t>(-7200000)},  // wraps above 2^31
      {0, -1, 30, static_cast<std::uint32_t>(-30000)},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(IntervalMilliseconds(r.h, r.m, r.s), r.ms) << r.h << ":" << r.m << ":" << r.s;
  }
  EXPECT_GT(IntervalMilliseconds(-2, 0, 0), 0x80000000u);
}

}  // namespace
