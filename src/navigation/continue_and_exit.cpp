#include "navigation.h"
#include "session.h"

namespace orvanell {

void ContinuePrompt() {
  const OpenScreen screen;
  WriteText("To go to the Main Menu Press 1.\n");
  WriteText("To quit press 2.\n");
  switch (ReadNumber().value_or(0)) {
    case 1:
      throw ReopenMainMenu{};
    case 2:
      throw QuitGame{};
    default:
      WriteText(InvalidOptionMessage);
  }
}

void ExitConfirmation() {
  const OpenScreen screen;
  WriteText("Are you sure you want to leave?\n");
  WriteText("If you are sure you want to exit press y\n");
  WriteText("If you want to reamain and play more games press n\n");
  switch (ReadKey().value_or('\0')) {
    case 'Y':
    case 'y':
      throw QuitGame{};
    case 'N':
    case 'n':
      MainMenu();
      break;
    default:
      break;
  }
}

}  // namespace orvanell
