// The pseudo-random source of problem operands: a linear congruential
// generator with a 15-bit output, seeded from the calendar clock.
#pragma once

#include <cstdint>
#include <functional>

namespace orvanell {

// Seconds since 1970-01-01 00:00:00 UTC.
using Clock = std::function<std::int64_t()>;

// Sets the clock that `SeedFromClock` reads and puts the state back to 1.
void ResetOperandGenerator(Clock clock);

void Seed(std::uint32_t value);
void SeedFromClock();
// 0 to 32767.
std::int32_t NextValue();
// 0 to `limit`, both included, by redrawing until a value fits. Returns the
// same value and leaves the same state as `DrawAtMostStepwise`, only sooner.
std::int32_t DrawAtMost(std::int32_t limit);
// The plain redraw loop, one `NextValue` at a time: the reference that
// `DrawAtMost` must match, kept for the tests and the benchmarks.
std::int32_t DrawAtMostStepwise(std::int32_t limit);
// What the next `NextValue` steps from; lets tests compare where draws leave it.
std::uint32_t GeneratorState();

// The calendar clock of the machine.
std::int64_t SystemClock();

}  // namespace orvanell
