#include <array>

#include "help.h"
#include "navigation.h"
#include "quiz.h"

namespace orvanell {

// Where every run starts, and where every way back to the start lands.
Screen MainMenu() {
  // Kept on purpose (menu_empty_input.txt): five spaces before the name and
  // sixteen after it, "4." with a full stop, and the small p of "problems".
  WriteText("     Orvanell                \n");
  WriteText("Kestrova+ Level 1 v.1.0\n\n");
  WriteText("1:  Addition Problems\n");
  WriteText("2:  Subtraction Problems\n");
  WriteText("3:  Multiplication problems\n");
  WriteText("4.  Help and Tips\n");
  WriteText("5:  Exit\n");
  static constexpr Prompt Asking{.question = Question::MainMenu, .choices = "12345"};
  const std::int32_t choice = (co_await ReadNumber(Asking)).value_or(0);
  switch (choice) {
    case 1:
      co_await GameTypePrompt(ProblemKind::Addition);
      break;
    case 2:
      co_await GameTypePrompt(ProblemKind::Subtraction);
      break;
    case 3:
      co_await GameTypePrompt(ProblemKind::Multiplication);
      break;
    case 4:
      co_await HelpMenu();
      break;
    case 5:
      co_await ExitConfirmation();
      break;
    default:
      WriteText(InvalidOptionMessage);
  }
  // Kept on purpose (game_type_invalid.txt, menu_invalid_choices.txt): back
  // from the screen it opened, or after an invalid choice, the menu returns
  // without showing itself again.
}

// One player or two, for the kind the main menu chose.
Screen GameTypePrompt(ProblemKind kind) {
  WriteText("What type of game would you like to play?\n");
  WriteText("1. One Player\n");
  WriteText("2. Two Player\n");
  // One for each kind, so that no read builds its record.
  static constexpr std::array<Prompt, 3> Asking = {{
      {.question = Question::GameType, .kind = ProblemKind::Addition, .choices = "12"},
      {.question = Question::GameType, .kind = ProblemKind::Subtraction, .choices = "12"},
      {.question = Question::GameType, .kind = ProblemKind::Multiplication, .choices = "12"},
  }};
  const Prompt& asks = Asking.at(static_cast<std::size_t>(kind) - 1);
  const std::int32_t choice = (co_await ReadNumber(asks)).value_or(0);
  switch (choice) {
    case 1:
      co_await OnePlayerQuiz(kind);
      break;
    case 2:
      co_await TwoPlayerQuiz(kind);
      break;
    default:
      WriteText(InvalidOptionMessage);
  }
}

}  // namespace orvanell
