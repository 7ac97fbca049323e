// How long the operand draws take, the game's redraw against the plain loop,
// and a whole problem of each kind and game.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "quiz.h"
#include "random.h"

namespace orvanell {
namespace {

// A power of two, so the index wraps with a mask.
constexpr std::size_t kSeedCount = 4096;

// Seeds spread over the whole 32-bit range, so that no lucky or unlucky
// stretch of the sequence decides the figures.
std::array<std::uint32_t, kSeedCount> SpreadSeeds() {
  std::array<std::uint32_t, kSeedCount> seeds{};
  std::uint32_t seed = 1'700'000'000U;
  for (std::uint32_t& s : seeds) {
    s = seed;
    seed += 0x9E3779B9U;
  }
  return seeds;
}

const std::array<std::uint32_t, kSeedCount> kSeeds = SpreadSeeds();

// How many raw values each seed's draw goes through, so the draws can also be
// read as raw steps per second.
std::array<std::int64_t, kSeedCount> StepsPerSeed(std::int32_t limit) {
  std::array<std::int64_t, kSeedCount> steps{};
  for (std::size_t i = 0; i < kSeedCount; ++i) {
    Seed(kSeeds[i]);
    steps[i] = 1;
    while (NextValue() > limit)
      ++steps[i];
  }
  return steps;
}

void BM_NextValue(benchmark::State& state) {
  Seed(kSeeds[0]);
  for (auto _ : state)
    benchmark::DoNotOptimize(NextValue());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NextValue);

template <std::int32_t (*draw)(std::int32_t)>
void DrawOverSeeds(benchmark::State& state) {
  const auto limit = static_cast<std::int32_t>(state.range(0));
  const std::array<std::int64_t, kSeedCount> steps = StepsPerSeed(limit);
  std::int64_t totalSteps = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    Seed(kSeeds[i]);
    benchmark::DoNotOptimize(draw(limit));
    totalSteps += steps[i];
    i = (i + 1) & (kSeedCount - 1);
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["steps"] =
      benchmark::Counter(static_cast<double>(totalSteps), benchmark::Counter::kIsRate);
}

void BM_DrawAtMostStepwise(benchmark::State& state) {
  DrawOverSeeds<DrawAtMostStepwise>(state);
}
BENCHMARK(BM_DrawAtMostStepwise)->Arg(40)->Arg(12);

// The one-by-one loop at its best, its state in a register instead of behind a
// call per value: how much the lanes gain from stepping side by side alone.
std::int32_t DrawAtMostInRegister(std::int32_t limit) {
  std::uint32_t generatorState = GeneratorState();
  std::int32_t value = 0;
  do {
    generatorState = generatorState * 214013U + 2531011U;
    value = static_cast<std::int32_t>((generatorState >> 16U) & 0x7FFFU);
  } while (value > limit);
  Seed(generatorState);
  return value;
}

void BM_DrawAtMostInRegister(benchmark::State& state) {
  DrawOverSeeds<DrawAtMostInRegister>(state);
}
BENCHMARK(BM_DrawAtMostInRegister)->Arg(40)->Arg(12);

void BM_DrawAtMost(benchmark::State& state) {
  DrawOverSeeds<DrawAtMost>(state);
}
BENCHMARK(BM_DrawAtMost)->Arg(40)->Arg(12);

template <ProblemKind kind, GameMode mode>
void BM_MakeProblem(benchmark::State& state) {
  std::size_t i = 0;
  ResetOperandGenerator([&i] { return kSeeds[i]; });
  for (auto _ : state) {
    benchmark::DoNotOptimize(MakeProblem(kind, mode));
    i = (i + 1) & (kSeedCount - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Addition, GameMode::OnePlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Addition, GameMode::TwoPlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Subtraction, GameMode::OnePlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Subtraction, GameMode::TwoPlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Multiplication, GameMode::OnePlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Multiplication, GameMode::TwoPlayer);

}  // namespace
}  // namespace orvanell

BENCHMARK_MAIN();
