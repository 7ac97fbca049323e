#include <array>
#include <optional>
#include <string_view>

#include "navigation.h"
#include "quiz.h"

namespace orvanell {
namespace {

struct OnePlayerTexts {
  std::string_view right;
  std::string_view wrong;
  std::string_view failed;
};

OnePlayerTexts TextsOf(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::Addition:
      // Kept on purpose (one_player_four_misses.txt): "questiuon".
      return {"Correct!!\n", "Sorry...wrong answer,\n",
              "You failed to answer the questiuon! It was: "};
    case ProblemKind::Subtraction:
      return {"Correct!!\n", "Try Again..\n",
              "You failed to answer the question!..The correct answer was: "};
    case ProblemKind::Multiplication:
      return {"Correct!!!\n", "Try Again...\n",
              "You failed to answer the question!..The correct answer was: "};
  }
  return {};
}

constexpr int Attempts = 4;

struct Award {
  int points;
  std::string_view text;
};

// By the attempt that found the answer: 5, 4, 2 and 1 points. Kept on
// purpose (one_player_right_third.txt): the third attempt earns 2, not 3.
constexpr std::array<Award, Attempts> Awards = {{
    {5, "You got 5 points good job!\n"},
    {4, "You got 4 points, you could have done better!\n"},
    {2, "You got 2 points\n"},
    {1, "You got 1 point\n"},
}};

}  // namespace

// One problem and four attempts at it, for one player.
Screen OnePlayerQuiz(ProblemKind kind) {
  const Problem problem = MakeProblem(kind, GameMode::OnePlayer);
  ShowProblem(problem, kind, GameMode::OnePlayer);
  const OnePlayerTexts texts = TextsOf(kind);
  std::optional<std::int32_t> guess;
  Judgement judged;
  Prompt asks = AnswerTo(problem, kind, judged);
  // The three tests are independent: the continue prompt returns after an
  // invalid choice, and the attempt then goes on with the tests after it.
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    // Kept on purpose (one_player_word_at_continue.txt): a read that yields
    // nothing, once the input has failed, leaves the last guess to be judged
    // again.
    Attempt(asks, attempt, Attempts);
    if (auto read = co_await ReadNumber(asks)) guess = read;
    Judge(judged, guess, problem);
    if (guess == problem.answer) {
      WriteText(texts.right);
      // Kept on purpose: back here after an invalid continue choice, the
      // attempt goes on, and the next one reads another guess on the same
      // problem (one_player_invalid_continue_then_right.txt); a right fourth
      // guess still gets the failure text and a second prompt
      // (one_player_right_fourth_then_invalid.txt).
      co_await AwardPoints(attempt, &judged);
    }
    if (guess != problem.answer) WriteText(texts.wrong);
    if (attempt == Attempts - 1) {
      WriteText(texts.failed);
      WriteNumber(problem.answer);
      WriteChar('\n');
      WriteChar('\n');
      judged.rightAnswer = problem.answer;
      co_await AwardPoints(attempt, &judged);
    }
  }
}

// Tells the points the attempt earned, then asks how to go on.
Screen AwardPoints(int attemptIndex, const Judgement* judged) {
  const Award& award = Awards.at(static_cast<std::size_t>(attemptIndex));
  WriteText(award.text);
  co_await ContinuePrompt(judged, Outcome::Points, award.points);
}

}  // namespace orvanell
