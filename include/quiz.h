// The problems and the two games that pose them.
#pragma once

#include <cstdint>

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

void OnePlayerQuiz(ProblemKind kind);
void AwardPoints(int attemptIndex);
void TwoPlayerQuiz(ProblemKind kind);

}  // namespace orvanell
