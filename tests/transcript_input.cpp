// Writes a golden transcript's input, as the bytes a player would send, so
// that the end-to-end tests can play it to the real game.
#include <exception>
#include <iostream>

#include "console.h"
#include "transcript_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: orvanell_transcript_input TRANSCRIPT >input\n";
    return 2;
  }
  try {
    orvanell::StandardIo().write(orvanell::LoadTranscript(argv[1]).input);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
