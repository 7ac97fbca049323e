// What the desktop menu starts: the terminal it opens for the game would
// close as soon as the game ends.
#include "navigation.h"

int main() {
  return orvanell::PlayInOwnWindow(orvanell::StandardIo(), orvanell::SystemClock);
}
