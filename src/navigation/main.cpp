#include "navigation.h"

int main() {
  return orvanell::RunGame(orvanell::StandardIo(), orvanell::SystemClock);
}
