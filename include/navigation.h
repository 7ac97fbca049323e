// The run's entry, the menus that lead to the games and the screens that
// decide whether the run goes on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "console.h"
#include "quiz.h"
#include "random.h"

namespace orvanell {

inline constexpr std::string_view InvalidOptionMessage = "Please use one of the given options!\n";

// Screens open inside one another, one call deeper each time. Past this many
// the run ends with `TooDeepMessage` and status 1 instead of running out of stack.
//
// Measured stack per open screen on the costliest loop (help menu and tips):
// g++ -O3 about 55 bytes, clang -O3 40, clang with address and undefined
// sanitizers 208, the same with fuzzer coverage 304, unoptimised 272. So
// 10,000 screens take about 550 KiB of g++'s optimised stack (it overflows at
// 500 KiB, runs in 600), 2 MiB of the sanitized build's and 3 MiB of the
// fuzzing build's: within a 1 MiB stack for the optimised game and 8 MiB for
// the others. Only an unoptimised build with sanitizers (1,250 bytes a
// screen) needs more. A player meets the bound only after some 10,000 menu
// choices in a row without finishing a game.
inline constexpr int MaxOpenScreens = 10000;
inline constexpr std::string_view TooDeepMessage =
    "Too many screens are open, please start the game again.\n";

// Every screen routine holds one of these while it runs.
struct OpenScreen {
  OpenScreen();
  ~OpenScreen();
  OpenScreen(const OpenScreen&) = delete;
  OpenScreen& operator=(const OpenScreen&) = delete;
};

// Ends the run at once with status 1. Thrown rather than exiting so that a
// whole session, quitting included, runs inside a test.
struct QuitGame {};

void MainMenu();
void GameTypePrompt(ProblemKind kind);
void ContinuePrompt();
void ExitConfirmation();

// Plays one run on the given channel and clock; returns the exit status.
int RunGame(ConsoleIo io, Clock clock);

struct SessionResult {
  std::string output;
  int status = 0;
};

// Plays one run in memory on the given input and a clock stopped at `clock`.
SessionResult RunSession(std::string_view input, std::int64_t clock);

}  // namespace orvanell
