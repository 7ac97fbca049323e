#include "navigation.h"

namespace orvanell {

// After every finished problem: play on from the main menu, or quit.
Screen ContinuePrompt(const Judgement* judged, Outcome outcome, int points) {
  WriteText("To go to the Main Menu Press 1.\n");
  WriteText("To quit press 2.\n");
  const Prompt asks{.question = Question::Continue,
                    .outcome = outcome,
                    .points = points,
                    .choices = "12",
                    .judged = judged};
  const std::int32_t choice = (co_await ReadNumber(asks)).value_or(0);
  switch (choice) {
    case 1:
      // Kept on purpose (one_player_back_to_main_menu.txt): once this main
      // menu returns the run quits, status 1, not 0. Nothing beneath this
      // prompt could run again, so the engine closes it all.
      co_await ReopenMainMenu();
      break;
    case 2:
      co_await QuitGame();
      break;
    default:
      // Kept on purpose (one_player_invalid_continue_then_right.txt): this
      // returns into the game, which goes on with the same problem.
      WriteText(InvalidOptionMessage);
  }
}

// Main menu choice 5 asks before it quits.
Screen ExitConfirmation() {
  WriteText("Are you sure you want to leave?\n");
  WriteText("If you are sure you want to exit press y\n");
  // Kept on purpose (exit_yes.txt): "reamain".
  WriteText("If you want to reamain and play more games press n\n");
  static constexpr Prompt Asking{.question = Question::ExitConfirmation, .choices = "yn"};
  const char key = (co_await ReadKey(Asking)).value_or('\0');
  if (key == 'Y' || key == 'y') co_await QuitGame();
  // Kept on purpose (exit_no_then_invalid.txt): back from that main menu,
  // this returns to the one beneath it, which returns in turn.
  if (key == 'N' || key == 'n') co_await MainMenu();
  // Kept on purpose (exit_other_key.txt): any other key returns silently.
}

}  // namespace orvanell
