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
// What a read of the answer to `problem` asks, with the game's judgement of
// the answer before. A game keeps both for all its reads, moving on the
// attempt (`Attempt`) and the judgement (`Judge`): piped input pays for a few
// stores a read, not a new record.
inline Prompt AnswerTo(Problem problem, ProblemKind kind, const Judgement& judged) {
  return {.question = Question::Problem,
          .kind = kind,
          .first = problem.first,
          .second = problem.second,
          .judged = &judged};
}

// The attempt or round `attempt` of `tries`.
inline void Attempt(Prompt& asks, int attempt, int tries) {
  asks.attempt = attempt;
  asks.triesLeft = tries - attempt;
}

// How the game judged `guess`, read for `problem`. A two-player game also
// says who answered.
inline void Judge(Judgement& judged, std::optional<std::int32_t> guess, Problem problem) {
  judged.verdict = guess == problem.answer ? Verdict::Right : Verdict::Wrong;
  judged.answer = guess;
}

Screen OnePlayerQuiz(ProblemKind kind);
Screen AwardPoints(int attemptIndex, const Judgement* judged);
Screen TwoPlayerQuiz(ProblemKind kind);

}  // namespace orvanell
