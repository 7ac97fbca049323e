#include "navigation.h"

int main() {
#ifdef _WIN32
  // A double-click or the Start menu gives the game a console window that
  // closes with it, before the player has read the last screen.
  if (orvanell::HasConsoleWindowOfItsOwn())
    return orvanell::PlayInOwnWindow(orvanell::StandardIo(), orvanell::SystemClock);
#endif
  return orvanell::RunGame(orvanell::StandardIo(), orvanell::SystemClock);
}
