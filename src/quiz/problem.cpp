#include "console.h"
#include "quiz.h"
#include "random.h"

namespace orvanell {
namespace {

struct KindRules {
  std::int32_t limit;
  const char* operatorText;
};

KindRules RulesOf(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::Addition:
      return {40, " + "};
    case ProblemKind::Subtraction:
      return {40, " - "};
    case ProblemKind::Multiplication:
      return {12, " x "};
  }
  return {0, ""};
}

// Kept on purpose (two_player_addition_second_larger.txt): only one-player
// addition, and subtraction, put the larger operand first.
bool SecondMayExceedFirst(ProblemKind kind, GameMode mode) {
  return kind == ProblemKind::Multiplication ||
         (kind == ProblemKind::Addition && mode == GameMode::TwoPlayer);
}

std::int32_t AnswerOf(ProblemKind kind, std::int32_t first, std::int32_t second) {
  switch (kind) {
    case ProblemKind::Addition:
      return first + second;
    case ProblemKind::Subtraction:
      return first - second;
    case ProblemKind::Multiplication:
      return first * second;
  }
  return 0;
}

}  // namespace

Problem MakeProblem(ProblemKind kind, GameMode mode) {
  // Kept on purpose (one_player_two_games.txt): seeded afresh for every
  // problem, so games of one kind and mode within a second pose the same one.
  SeedFromClock();
  const std::int32_t limit = RulesOf(kind).limit;
  Problem problem;
  do {
    problem.first = DrawAtMost(limit);
    problem.second = DrawAtMost(limit);
  } while (problem.second > problem.first && !SecondMayExceedFirst(kind, mode));
  problem.answer = AnswerOf(kind, problem.first, problem.second);
  return problem;
}

void ShowProblem(Problem problem, ProblemKind kind, GameMode mode) {
  WriteNumber(problem.first);
  WriteText(RulesOf(kind).operatorText);
  WriteNumber(problem.second);
  WriteText(" = ");
  // Kept on purpose (one_player_multiplication_same_line.txt): a one-player
  // multiplication answer is typed on the problem's own line.
  if (kind != ProblemKind::Multiplication || mode == GameMode::TwoPlayer) WriteChar('\n');
}

}  // namespace orvanell
