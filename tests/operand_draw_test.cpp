// The game's draw looks many values ahead at once; from any state it must
// still give the value and leave the state that drawing one by one would.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "random.h"

#ifndef DRAW_CHECK_SEEDS
#define DRAW_CHECK_SEEDS 1000000
#endif

namespace orvanell {
namespace {

using DrawResult = std::pair<std::int32_t, std::uint32_t>;  // value, state after

DrawResult Draw(std::int32_t (*draw)(std::int32_t), std::uint32_t seed, std::int32_t limit) {
  Seed(seed);
  const std::int32_t value = draw(limit);
  return {value, GeneratorState()};
}

std::uint32_t StateAfterOneStep(std::uint32_t state) {
  Seed(state);
  NextValue();
  return GeneratorState();
}

// Every state on the way to a value that fits draws that same value, so one
// walk along the sequence checks a run of consecutive seeds for the price of
// one stepwise draw per value found. Each of these seeds lies at another
// distance from its value, so every lane and every block boundary of the fast
// draw gets its turn many times over.
TEST(DrawAtMost, MatchesTheStepwiseDrawFromEverySeedAlongALongStretch) {
  constexpr std::int64_t kSeeds = DRAW_CHECK_SEEDS;
  for (const std::int32_t limit : {40, 12}) {
    std::uint32_t seed = 1'700'000'000U;
    for (std::int64_t checked = 0; checked < kSeeds;) {
      const DrawResult expected = Draw(DrawAtMostStepwise, seed, limit);
      for (; seed != expected.second; seed = StateAfterOneStep(seed), ++checked)
        ASSERT_EQ(Draw(DrawAtMost, seed, limit), expected)
            << "seed " << seed << ", limit " << limit;
    }
  }
}

// The game seeds from consecutive seconds and draws several operands in a row;
// the limits at either end of the range the lanes handle and just outside it
// take their own ways through the draw.
TEST(DrawAtMost, MatchesTheStepwiseDrawInRowsOfDrawsForEveryLimit) {
  for (const std::int32_t limit : {0, 1, 12, 40, 1000, 32766, 32767, 40000}) {
    for (std::uint32_t seed : {0U, 1U, 0x7FFFFFFFU, 0x80000000U, 0xFFFFFFFFU, 1'700'000'000U,
                               1'700'000'001U, 1'700'000'002U, 1'700'000'003U, 4'102'444'800U}) {
      for (int draw = 0; draw < 6; ++draw) {
        const DrawResult expected = Draw(DrawAtMostStepwise, seed, limit);
        ASSERT_EQ(Draw(DrawAtMost, seed, limit), expected)
            << "seed " << seed << ", limit " << limit << ", draw " << draw;
        seed = expected.second;
      }
    }
  }
}

}  // namespace
}  // namespace orvanell
