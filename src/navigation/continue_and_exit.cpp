#include "navigation.h"

namespace orvanell {

Screen ContinuePrompt() {
  WriteText("To go to the Main Menu Press 1.\n");
  WriteText("To quit press 2.\n");
  const std::int32_t choice = (co_await ReadNumber()).value_or(0);
  switch (choice) {
    case 1:
      co_await ReopenMainMenu();
      break;
    case 2:
      co_await QuitGame();
      break;
    default:
      WriteText(InvalidOptionMessage);
  }
}

Screen ExitConfirmation() {
  WriteText("Are you sure you want to leave?\n");
  WriteText("If you are sure you want to exit press y\n");
  WriteText("If you want to reamain and play more games press n\n");
  const char key = (co_await ReadKey()).value_or('\0');
  if (key == 'Y' || key == 'y') co_await QuitGame();
  if (key == 'N' || key == 'n') co_await MainMenu();
}

}  // namespace orvanell
