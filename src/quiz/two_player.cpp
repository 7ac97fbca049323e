#include <optional>
#include <string>

#include "navigation.h"
#include "quiz.h"

namespace orvanell {
namespace {

// A name field holds this many characters; the rest of a longer word is dropped.
constexpr std::size_t NameLength = 79;
constexpr int Rounds = 4;

std::string ReadName() {
  return ReadWord(NameLength).value_or("");
}

// One player's turn; true if the guess was right.
bool TakeTurn(const std::string& name, std::optional<std::int32_t>& guess, std::int32_t answer) {
  WriteText(name);
  WriteText(": ");
  if (const auto read = ReadNumber()) guess = read;
  if (guess != answer) WriteText("Sorry...wrong answer,\n");
  return guess == answer;
}

void Congratulate(const std::string& name, std::string_view wonText) {
  WriteText("Great job ");
  WriteText(name);
  WriteChar('\n');
  WriteText(wonText);
  ContinuePrompt();
}

}  // namespace

void TwoPlayerQuiz(ProblemKind kind) {
  const OpenScreen screen;
  WriteText("Welcome to 2 player Math Games!\n\n");
  WriteText("Enter your name Player 1: ");
  const std::string name1 = ReadName();
  WriteChar('\n');
  WriteText("Enter your name Player 2: ");
  const std::string name2 = ReadName();
  const Problem problem = MakeProblem(kind, GameMode::TwoPlayer);
  ShowProblem(problem, kind, GameMode::TwoPlayer);
  std::optional<std::int32_t> guess1;
  std::optional<std::int32_t> guess2;
  // Play goes on after a win when the continue prompt gets an invalid choice.
  for (int round = 0; round < Rounds; ++round) {
    if (TakeTurn(name1, guess1, problem.answer)) Congratulate(name1, "You Won!\n");
    if (TakeTurn(name2, guess2, problem.answer)) Congratulate(name2, "You WON!\n");
    if (round == Rounds - 1) {
      WriteChar('\a');
      WriteText("Neither of you answered the question!\n");
      WriteText("The correct answer was: ");
      WriteNumber(problem.answer);
      WriteChar('\n');
      ContinuePrompt();
    }
  }
}

}  // namespace orvanell
