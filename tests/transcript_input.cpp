// Writes a golden transcript's input, as the bytes a player would send, so
// that the end-to-end tests can play it to the real game; or with "output"
// its clock second and its status on a line, then the bytes the game must
// write.
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "console.h"
#include "transcript_file.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: orvanell_transcript_input TRANSCRIPT [input|output] >part\n";
    return 2;
  }
  try {
    const orvanell::Transcript transcript = orvanell::LoadTranscript(argv[1]);
    const std::string_view part = argc == 3 ? argv[2] : "input";
    orvanell::StandardIo().write(part == "output" ? std::to_string(transcript.clock) + ' ' +
                                                        std::to_string(transcript.status) + '\n' +
                                                        transcript.output
                                                  : transcript.input);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
