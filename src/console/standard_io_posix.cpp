// The terminal binding: standard input and output as raw file descriptors, so
// the console decides itself when output must be shown.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "console.h"

namespace orvanell {
namespace {

// Whether to try a failed read or write again. Another program sharing the
// terminal or the pipe may have made it non-blocking: then "try again" means
// wait, not the end of input or a lost output.
bool ShouldRetry(int descriptor, short events) {
  if (errno == EINTR) return true;
  if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
  pollfd ready{descriptor, events, 0};
  int count = 0;
  do {
    count = ::poll(&ready, 1, -1);
  } while (count < 0 && errno == EINTR);
  return count > 0;
}

std::size_t ReadStandardInput(char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t count = ::read(STDIN_FILENO, buffer, capacity);
    if (count >= 0) return static_cast<std::size_t>(count);
    if (!ShouldRetry(STDIN_FILENO, POLLIN)) return 0;
  }
}

bool StandardInputReady() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  int count = 0;
  do {
    count = ::poll(&input, 1, 0);
  } while (count < 0 && errno == EINTR);
  // A closed or broken input is "ready" too: the read returns at once. A poll
  // that fails tells nothing, and then the prompt must be shown before the read.
  return count > 0;
}

void WriteStandardOutput(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (count < 0 && ShouldRetry(STDOUT_FILENO, POLLOUT)) continue;
    // A full device or a closed output: the player can't see it, the game goes on.
    if (count <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
}

}  // namespace

ConsoleIo StandardIo() {
  // A reader that went away must not kill the game halfway through its input.
  static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
  return ConsoleIo{ReadStandardInput, StandardInputReady, WriteStandardOutput};
}

}  // namespace orvanell
