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
// What a read of the answer to `problem` asks, at this attempt or round, and
// in a two-player game of which player, by number and name.
inline Prompt AnswerTo(Problem problem, ProblemKind kind, int attempt = 0, int player = 0,
                       std::string_view name = {}) {
  return {.question = Question::Problem,
          .kind = kind,
          .first = problem.first,
          .second = problem.second,
          .attempt = attempt,
          .player = player,
          .name = name};
}

Screen OnePlayerQuiz(ProblemKind kind);
Screen AwardPoints(int attemptIndex);
Screen TwoPlayerQuiz(ProblemKind kind);

}  // namespace orvanell
