#include <chrono>
#include <utility>

#include "random.h"

namespace orvanell {
namespace {

struct Generator {
  std::uint32_t state = 1;
  Clock clock = SystemClock;
};

Generator& TheGenerator() {
  static Generator generator;
  return generator;
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
  state = state * 214013U + 2531011U;
  return static_cast<std::int32_t>((state >> 16U) & 0x7FFFU);
}

std::uint32_t GeneratorState() {
  return TheGenerator().state;
}

std::int32_t DrawAtMost(std::int32_t limit) {
  return DrawAtMostStepwise(limit);
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
