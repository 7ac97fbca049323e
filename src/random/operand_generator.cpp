#include <array>
#include <chrono>
#include <cstddef>
#include <utility>

#include "random.h"

namespace orvanell {
namespace {

constexpr std::uint32_t Multiplier = 214013U;
constexpr std::uint32_t Increment = 2531011U;
constexpr std::int32_t LargestValue = 0x7FFF;

struct Generator {
  std::uint32_t state = 1;
  Clock clock = SystemClock;
};

Generator& TheGenerator() {
  static Generator generator;
  return generator;
}

// Any number of steps taken at once is again one multiplication and one
// addition modulo 2^32.
struct Leap {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;
};

constexpr Leap Then(Leap first, Leap second) {
  return {first.multiplier * second.multiplier,
          first.increment * second.multiplier + second.increment};
}

// The sequence repeats after 2^32 steps, so stepping back k steps is stepping
// on 2^32 - k.
constexpr Leap LeapOf(std::int64_t steps) {
  auto remaining = static_cast<std::uint32_t>(steps);
  Leap leap;
  for (Leap power{Multiplier, Increment}; remaining != 0; power = Then(power, power)) {
    if ((remaining & 1U) != 0) leap = Then(leap, power);
    remaining >>= 1U;
  }
  return leap;
}

// The fast draw follows this many lanes of the sequence side by side and moves
// each on by this many steps at a time. No lane waits for another, so the
// compiler runs them in vector registers or interleaves them, where stepping
// one by one waits for a whole multiplication per value. Of 8 to 64 lanes, 32
// measured best with g++ and close to best with clang.
constexpr std::size_t Lanes = 32;

struct LaneLeaps {
  std::array<std::uint32_t, Lanes> multipliers{};
  std::array<std::uint32_t, Lanes> increments{};
};

// Lane i starts a whole block behind the value i + 1 steps ahead, so that the
// first move of the draw loop lands the lanes on the next Lanes values.
constexpr LaneLeaps MakeLaneLeaps() {
  LaneLeaps leaps;
  for (std::size_t lane = 0; lane < Lanes; ++lane) {
    const Leap leap = LeapOf(static_cast<std::int64_t>(lane + 1) - std::int64_t{Lanes});
    leaps.multipliers[lane] = leap.multiplier;
    leaps.increments[lane] = leap.increment;
  }
  return leaps;
}

// Worked out by the compiler, so a run starts without doing it.
constexpr LaneLeaps LaneStarts = MakeLaneLeaps();
constexpr Leap BlockLeap = LeapOf(Lanes);
// A step back and a step on again go nowhere.
static_assert(Then(LeapOf(-1), LeapOf(1)).multiplier == 1 &&
              Then(LeapOf(-1), LeapOf(1)).increment == 0);

std::int32_t ValueOf(std::uint32_t state) {
  return static_cast<std::int32_t>((state >> 16U) & static_cast<std::uint32_t>(LargestValue));
}

}  // namespace

void ResetOperandGenerator(Clock clock) {
  TheGenerator().state = 1;
  TheGenerator().clock = std::move(clock);
}

void Seed(std::uint32_t value) {
  TheGenerator().state = value;
}

void SeedFromClock() {
  Seed(static_cast<std::uint32_t>(TheGenerator().clock()));
}

std::int32_t NextValue() {
  std::uint32_t& state = TheGenerator().state;
  state = state * Multiplier + Increment;
  return ValueOf(state);
}

std::uint32_t GeneratorState() {
  return TheGenerator().state;
}

std::int32_t DrawAtMost(std::int32_t limit) {
  // Outside this range the first value always fits, or none ever does.
  if (limit < 0 || limit >= LargestValue) return DrawAtMostStepwise(limit);
  std::uint32_t& state = TheGenerator().state;
  // A value fits exactly when the state's low 31 bits are below this bound,
  // that is when subtracting the bound sets the top bit.
  const std::uint32_t bound = static_cast<std::uint32_t>(limit + 1) << 16U;
  std::array<std::uint32_t, Lanes> lanes{};
  for (std::size_t lane = 0; lane < Lanes; ++lane)
    lanes[lane] = state * LaneStarts.multipliers[lane] + LaneStarts.increments[lane];
  std::uint32_t fits = 0;
  while ((fits >> 31U) == 0) {
    for (std::uint32_t& lane : lanes) {
      lane = lane * BlockLeap.multiplier + BlockLeap.increment;
      fits |= (lane & 0x7FFFFFFFU) - bound;
    }
  }
  // The first lane that fits holds the value the one-by-one loop stops at.
  std::size_t first = 0;
  while (ValueOf(lanes[first]) > limit)
    ++first;
  state = lanes[first];
  return ValueOf(state);
}

std::int32_t DrawAtMostStepwise(std::int32_t limit) {
  std::int32_t value = NextValue();
  while (value > limit)
    value = NextValue();
  return value;
}

std::int64_t SystemClock() {
  using std::chrono::seconds;
  using std::chrono::system_clock;
  return std::chrono::duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace orvanell
