// Plays standard input in memory with the clock stopped at the second given as
// the argument, and writes the output and returns the status the game would
// have then: lets the end-to-end tests know what the real clock should show.
// Reads and writes through the game's own binding, which passes bytes as they
// are on every system (the C++ streams would turn line feeds into CR LF on
// Windows).
#include <array>
#include <iostream>
#include <string>

#include "navigation.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: orvanell_session_at SECONDS <input\n";
    return 2;
  }
  const orvanell::ConsoleIo io = orvanell::StandardIo();
  std::string input;
  std::array<char, 65536> block{};
  for (std::size_t count = 0; (count = io.read(block.data(), block.size())) > 0;)
    input.append(block.data(), count);
  const orvanell::SessionResult result = orvanell::RunSession(input, std::stoll(argv[1]));
  io.write(result.output);
  return result.status;
}
