// The pseudo-random source of problem operands: a linear congruential
// generator with a 15-bit output, seeded from the calendar clock.
#pragma once

#include <cstdint>
#include <functional>

namespace orvanell {

// Seconds since 1970-01-01 00:00:00 UTC.
using Clock = std::function<std::int64_t()>;

struct OperandGenerator {
  std::uint32_t state = 1;
  Clock clock;
};

// The generator of the session being played (see navigation.h).
OperandGenerator& ActiveGenerator();

void Seed(std::uint32_t value);
void SeedFromClock();
// 0 to 32767.
std::int32_t NextValue();
// 0 to `limit`, both included, by redrawing until a value fits.
std::int32_t DrawAtMost(std::int32_t limit);

// The calendar clock of the machine.
std::int64_t SystemClock();

}  // namespace orvanell
