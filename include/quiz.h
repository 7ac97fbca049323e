// The problems and the two games that pose them.
#pragma once

#include <cstdint>
#include <optional>
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
// What a read of the answer to `problem` asks, at this attempt or round of
// `tries`, after the game's judgement before it; in a two-player game, of
// which player, by number and name.
inline Prompt AnswerTo(Problem problem, ProblemKind kind, int attempt, int tries,
                       const Judgement& judged, int player = 0, std::string_view name = {}) {
  return {.question = Question::Problem,
          .kind = kind,
          .first = problem.first,
          .second = problem.second,
          .attempt = attempt,
          .triesLeft = tries - attempt,
          .player = player,
          .name = name,
          .judged = judged};
}

// How the game judged `guess`, read for `problem`.
inline Judgement Judge(std::optional<std::int32_t> guess, Problem problem, int player = 0,
                       std::string_view name = {}) {
  return {guess == problem.answer ? Verdict::Right : Verdict::Wrong, guess, player, name, {}};
}

Screen OnePlayerQuiz(ProblemKind kind);
Screen AwardPoints(int attemptIndex, Judgement judged);
Screen TwoPlayerQuiz(ProblemKind kind);

}  // namespace orvanell
