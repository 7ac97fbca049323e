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
  int number;
  std::string name;
  std::string_view wonText;
  // Kept from turn to turn: a read that yields nothing leaves the last guess.
  std::optional<std::int32_t> guess;
};

}  // namespace

// Two named players take turns at one problem; the first right answer wins.
Screen TwoPlayerQuiz(ProblemKind kind) {
  WriteText("Welcome to 2 player Math Games!\n\n");
  WriteText("Enter your name Player 1: ");
  static constexpr Prompt AskingName1{.question = Question::PlayerName, .player = 1};
  std::string name1 = (co_await ReadWord(NameLength, AskingName1)).value_or("");
  WriteChar('\n');
  WriteText("Enter your name Player 2: ");
  static constexpr Prompt AskingName2{.question = Question::PlayerName, .player = 2};
  std::string name2 = (co_await ReadWord(NameLength, AskingName2)).value_or("");
  // Kept on purpose (two_player_first_wins.txt): no line break here.
  const Problem problem = MakeProblem(kind, GameMode::TwoPlayer);
  ShowProblem(problem, kind, GameMode::TwoPlayer);
  std::array<Player, 2> players = {
      // Kept on purpose (two_player_names_one_line_second_wins.txt): player
      // 2's win says "WON".
      Player{1, std::move(name1), "You Won!\n", std::nullopt},
      Player{2, std::move(name2), "You WON!\n", std::nullopt},
  };
  Judgement judged;
  Prompt asks = AnswerTo(problem, kind, judged);
  for (int round = 0; round < Rounds; ++round) {
    for (Player& player : players) {
      WriteText(player.name);
      WriteText(": ");
      // Kept on purpose (two_player_input_ends_each_keeps_own_guess.txt):
      // once the input has failed, each player's last guess is judged again.
      Attempt(asks, round, Rounds);
      asks.player = player.number;
      asks.name = player.name;
      if (auto read = co_await ReadNumber(asks)) player.guess = read;
      Judge(judged, player.guess, problem);
      judged.player = player.number;
      judged.name = player.name;
      // Kept on purpose (two_player_first_wins.txt): the wrong-answer test
      // comes first here, after the win in the one-player game.
      if (player.guess != problem.answer) WriteText("Sorry...wrong answer,\n");
      if (player.guess == problem.answer) {
        WriteText("Great job ");
        WriteText(player.name);
        WriteChar('\n');
        WriteText(player.wonText);
        // Kept on purpose: back here after an invalid continue choice, the
        // other player still takes the turn
        // (two_player_win_invalid_continue_then_other_wins.txt), and a win in
        // the last round is still followed by the bell and "Neither of you"
        // (two_player_last_round_win_then_invalid.txt).
        co_await ContinuePrompt(&judged, Outcome::Won);
      }
    }
    if (round == Rounds - 1) {
      WriteChar('\a');
      WriteText("Neither of you answered the question!\n");
      WriteText("The correct answer was: ");
      WriteNumber(problem.answer);
      WriteChar('\n');
      judged.rightAnswer = problem.answer;
      co_await ContinuePrompt(&judged, Outcome::Neither);
    }
  }
}

}  // namespace orvanell
