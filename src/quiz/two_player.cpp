#include <array>
#include <optional>
#include <string>

#include "navigation.h"
#include "quiz.h"

namespace orvanell {
namespace {

// A name field holds this many characters; the rest of a longer word is dropped.
constexpr std::size_t NameLength = 79;
constexpr int Rounds = 4;

struct Player {
  std::string name;
  std::string_view wonText;
  // Kept from turn to turn: a read that yields nothing leaves the last guess.
  std::optional<std::int32_t> guess;
};

}  // namespace

Screen TwoPlayerQuiz(ProblemKind kind) {
  WriteText("Welcome to 2 player Math Games!\n\n");
  WriteText("Enter your name Player 1: ");
  std::string name1 = (co_await ReadWord(NameLength)).value_or("");
  WriteChar('\n');
  WriteText("Enter your name Player 2: ");
  std::string name2 = (co_await ReadWord(NameLength)).value_or("");
  const Problem problem = MakeProblem(kind, GameMode::TwoPlayer);
  ShowProblem(problem, kind, GameMode::TwoPlayer);
  std::array<Player, 2> players = {
      Player{std::move(name1), "You Won!\n", std::nullopt},
      Player{std::move(name2), "You WON!\n", std::nullopt},
  };
  // Play goes on after a win when the continue prompt gets an invalid choice.
  for (int round = 0; round < Rounds; ++round) {
    for (Player& player : players) {
      WriteText(player.name);
      WriteText(": ");
      if (auto read = co_await ReadNumber()) player.guess = read;
      if (player.guess != problem.answer) WriteText("Sorry...wrong answer,\n");
      if (player.guess == problem.answer) {
        WriteText("Great job ");
        WriteText(player.name);
        WriteChar('\n');
        WriteText(player.wonText);
        co_await ContinuePrompt();
      }
    }
    if (round == Rounds - 1) {
      WriteChar('\a');
      WriteText("Neither of you answered the question!\n");
      WriteText("The correct answer was: ");
      WriteNumber(problem.answer);
      WriteChar('\n');
      co_await ContinuePrompt();
    }
  }
}

}  // namespace orvanell
