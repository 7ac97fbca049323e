// Plays standard input in memory with the clock stopped at the second given as
// the argument, and writes the output and returns the status the game would
// have then: lets the end-to-end tests know what the real clock should show.
#include <iostream>
#include <iterator>
#include <string>

#include "navigation.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: orvanell_session_at SECONDS <input\n";
    return 2;
  }
  const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
  const orvanell::SessionResult result = orvanell::RunSession(input, std::stoll(argv[1]));
  std::cout << result.output;
  return result.status;
}
