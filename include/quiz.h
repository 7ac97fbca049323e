// The problems and the two games that pose them.
#pragma once

#include <cstdint>
#include <string_view>

#include "navigation.h"

namespace orvanell {

// Coded as the main menu's option numbers.
enum class ProblemKind : std::uint8_t { Addition = 1, Subtraction = 2, Multiplication = 3 };

enum class GameMode : std::uint8_t { OnePlayer, TwoPlayer };

struct Problem {
  std::int32_t first = 0;
  std::int32_t second = 0;
  std::int32_t answer = 0;
};

Problem MakeProblem(ProblemKind kind, GameMode mode);
void ShowProblem(Problem problem, ProblemKind kind, GameMode mode);
// Asks for the answer to `problem`, at this attempt or round, and in a
// two-player game of which player, by number and name.
void AskAnswer(Problem problem, ProblemKind kind, int attempt, int player = 0,
               std::string_view name = {});

Screen OnePlayerQuiz(ProblemKind kind);
Screen AwardPoints(int attemptIndex);
Screen TwoPlayerQuiz(ProblemKind kind);

}  // namespace orvanell
