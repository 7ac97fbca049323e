// Runs in a window of the game's own: the desktop menu's terminal, or a
// Windows console that the game alone is attached to.
#include <array>
#include <string_view>

#include "navigation.h"

namespace orvanell {
namespace {

// Drops the lines the player typed while the run was ending, so that a stray
// Enter does not skip the line they are meant to read; false once the input
// has ended among them.
bool DropTypedAhead(const ConsoleIo& io) {
  std::array<char, 4096> buffer{};
  while (io.inputReady()) {
    if (io.read(buffer.data(), buffer.size()) == 0) return false;
  }
  return true;
}

// Waits for the end of a line: true then, false at the end of input.
bool AwaitEnter(const ConsoleIo& io) {
  std::array<char, 4096> buffer{};
  for (;;) {
    const std::size_t count = io.read(buffer.data(), buffer.size());
    if (count == 0) return false;
    if (std::string_view(buffer.data(), count).find('\n') != std::string_view::npos) return true;
  }
}

}  // namespace

int PlayInOwnWindow(const ConsoleIo& io, const Clock& clock) {
  for (;;) {
    // A fresh session each time: its own menu key, generator and input
    // condition. The bytes the last run had read but not used went with it.
    Session session(io, clock);
    StartRun(session);
    const int status = PlayToEnd(session);
    // The player ended the input during the run: that closes the window too.
    if (session.console.inputEnded || !DropTypedAhead(io)) return status;
    io.write(GameEndedLine);
    if (!AwaitEnter(io)) return status;
  }
}

}  // namespace orvanell
