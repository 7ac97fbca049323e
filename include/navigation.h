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
// g++ -O2 56 bytes, clang -O2 40, clang -O2 with address and undefined
// sanitizers 208, the same with fuzzer coverage 304; unoptimised 272, and
// 1,250 with the sanitizers. So g++ -O2 runs out near 18,500 screens in a
// 1 MiB stack and the sanitized build near 40,000 in 8 MiB: 4,000 leaves more
// than four times that headroom, and even an unoptimised sanitized build fits
// in 8 MiB. A player meets it only after some 4,000 menu choices in a row
// without finishing a game.
inline constexpr int MaxOpenScreens = 4000;
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
