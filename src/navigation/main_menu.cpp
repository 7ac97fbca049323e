#include "help.h"
#include "navigation.h"

namespace orvanell {

void MainMenu() {
  const OpenScreen screen;
  WriteText("     Orvanell                \n");
  WriteText("Kestrova+ Level 1 v.1.0\n\n");
  WriteText("1:  Addition Problems\n");
  WriteText("2:  Subtraction Problems\n");
  WriteText("3:  Multiplication problems\n");
  WriteText("4.  Help and Tips\n");
  WriteText("5:  Exit\n");
  switch (ReadNumber().value_or(0)) {
    case 1:
      GameTypePrompt(ProblemKind::Addition);
      break;
    case 2:
      GameTypePrompt(ProblemKind::Subtraction);
      break;
    case 3:
      GameTypePrompt(ProblemKind::Multiplication);
      break;
    case 4:
      HelpMenu();
      break;
    case 5:
      ExitConfirmation();
      break;
    default:
      WriteText(InvalidOptionMessage);
  }
}

void GameTypePrompt(ProblemKind kind) {
  const OpenScreen screen;
  WriteText("What type of game would you like to play?\n");
  WriteText("1. One Player\n");
  WriteText("2. Two Player\n");
  switch (ReadNumber().value_or(0)) {
    case 1:
      OnePlayerQuiz(kind);
      break;
    case 2:
      TwoPlayerQuiz(kind);
      break;
    default:
      WriteText(InvalidOptionMessage);
  }
}

}  // namespace orvanell
