// Runs in a window of the game's own: the desktop menu's terminal, or a
// Windows console that the game alone is attached to.
#include <array>
#include <string_view>

#include "navigation.h"

namespace orvanell {
namespace {

// As much as a terminal holds typed ahead, its lines together.
constexpr std::size_t LineBufferSize = 4096;

// Drops the lines the player typed while the run was ending, so that a stray
// Enter does not skip the line they are meant to read. False once the input
// has ended among them, or once more has come than a terminal holds: that is
// no typing but endless input (`< /dev/zero`, `yes |`), and the window ends as
// the game alone does.
bool DropTypedAhead(const ConsoleIo& io) {
  std::array<char, LineBufferSize> buffer{};
  std::size_t dropped = 0;
  while (io.inputReady()) {
    const std::size_t count = io.read(buffer.data(), buffer.size());
    dropped += count;
    if (count == 0 || dropped > buffer.size()) return false;
  }
  return true;
}

// Waits for the end of a line: true then, false at the end of input. A line
// longer than the buffer counts as one, as a terminal cuts it there too:
// input that never ends a line must not be read forever.
bool AwaitEnter(const ConsoleIo& io) {
  std::array<char, LineBufferSize> buffer{};
  std::size_t line = 0;
  for (;;) {
    const std::size_t count = io.read(buffer.data(), buffer.size());
    if (count == 0) return false;
    line += count;
    if (std::string_view(buffer.data(), count).find('\n') != std::string_view::npos) return true;
    if (line >= buffer.size()) return true;
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
