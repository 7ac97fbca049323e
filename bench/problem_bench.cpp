// How long a whole problem of each kind and game takes to make, seeded from a
// clock that moves on a second each time; and how much heap an open screen
// takes on each loop that keeps opening them.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "navigation.h"
#include "quiz.h"

namespace orvanell {
namespace {

template <ProblemKind kind, GameMode mode>
void BM_MakeProblem(benchmark::State& state) {
  // Seconds spread over the whole 32-bit range, so that no lucky or unlucky
  // stretch of the sequence decides the figures.
  std::uint32_t second = 1'700'000'000U;
  std::string output;
  Session session(MemoryIo("", output), [&second] { return second; });
  const SessionScope scope(session);
  for (auto _ : state) {
    benchmark::DoNotOptimize(MakeProblem(kind, mode));
    second += 0x9E3779B9U;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Addition, GameMode::OnePlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Addition, GameMode::TwoPlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Subtraction, GameMode::OnePlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Subtraction, GameMode::TwoPlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Multiplication, GameMode::OnePlayer);
BENCHMARK_TEMPLATE(BM_MakeProblem, ProblemKind::Multiplication, GameMode::TwoPlayer);

std::size_t HeapInUse() {
  return mallinfo2().uordblks;
}

// Opens 10,000 screens by repeating `cycle` after `leadIn`, and measures the
// heap they hold while the deepest waits for input; then a choice no screen
// offers closes them all, one by one. The time is that of 10,000 screens
// opened and closed, each hop through the driver's loop.
void OpenScreensOn(benchmark::State& state, std::string_view leadIn, std::string_view cycle) {
  std::string input(leadIn);
  while (input.size() < 2 * 9'999)
    input += cycle;
  input.resize(2 * 9'999);
  input += "9\n";
  double bytesPerScreen = 0;
  for (auto _ : state) {
    std::string output;
    Session session(ConsoleIo{{}, {}, [&output](std::string_view bytes) { output += bytes; }},
                    [] { return 0; });
    StartRun(session);
    const std::size_t before = HeapInUse();
    const int screensBefore = LiveScreens();
    // Each line opens one screen: lead-in and cycle are one-character choices.
    const std::size_t opening = 2 * static_cast<std::size_t>(9'999);
    input.copy(InputSpace(session).data(), opening);
    ContinueRun(session, opening);
    bytesPerScreen = static_cast<double>(HeapInUse() - before) /
                     static_cast<double>(LiveScreens() - screensBefore);
    input.copy(InputSpace(session).data(), 2, opening);
    ContinueRun(session, 2);
    if (LiveScreens() != 0) state.SkipWithError("the screens did not all close");
  }
  state.counters["bytes_per_screen"] = bytesPerScreen;
}
BENCHMARK_CAPTURE(OpenScreensOn, help_exit_option, "", "4\n");
BENCHMARK_CAPTURE(OpenScreensOn, addition_tips_b, "4\n", "1\nb\n");
BENCHMARK_CAPTURE(OpenScreensOn, multiplication_tips_x, "", "4\n3\nx\n");
BENCHMARK_CAPTURE(OpenScreensOn, exit_confirmation_n, "", "5\nn\n");

}  // namespace
}  // namespace orvanell

BENCHMARK_MAIN();
