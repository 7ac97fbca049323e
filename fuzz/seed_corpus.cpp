// Writes the fuzzer's seeds: one per golden transcript, the transcript's clock
// as the four leading bytes the fuzz target reads it from, a zero host byte,
// then its input; runs that go past the nesting bound, which the fuzzer's
// coverage feedback alone never climbs to; and one game played in steps,
// with a wrong call of each kind.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "navigation.h"
#include "transcript_file.h"

namespace {

bool WriteSeed(const std::filesystem::path& path, std::uint32_t clock, std::string_view input) {
  std::ofstream seed(path, std::ios::binary);
  for (int byte = 0; byte < 4; ++byte)
    seed.put(static_cast<char>((clock >> (8 * byte)) & 0xFFU));
  seed << input;
  if (!seed) std::cerr << "cannot write " << path << '\n';
  return static_cast<bool>(seed);
}

// The cycle opens a screen with each byte (a number ends where a key begins),
// the lead-in with the first; the first main menu is one more.
std::string PastTheBound(std::string_view leadIn, std::string_view cycle) {
  std::string input(leadIn);
  while (input.size() < leadIn.size() + static_cast<std::size_t>(orvanell::MaxOpenScreens))
    input += cycle;
  return input;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: orvanell_seed_corpus OUTPUT_DIR TRANSCRIPT...\n";
    return 2;
  }
  const std::filesystem::path outputDir = argv[1];
  std::filesystem::create_directories(outputDir);
  const std::string inOneGo(1, '\0');
  // Three steps: a count beyond the input space, calls back in from the
  // writer, then a single byte; the rest in one go.
  const std::string steps("\x03\xF0\xFE\x00", 4);
  bool written =
      WriteSeed(outputDir / "past_the_bound_exit", 0, inOneGo + PastTheBound("", "5n")) &&
      WriteSeed(outputDir / "past_the_bound_tips", 0, inOneGo + PastTheBound("4 ", "1b")) &&
      WriteSeed(outputDir / "stepped_game", 0, steps + "1\n1\n39\n1\n1\n2\n");
  for (int i = 2; i < argc && written; ++i) {
    const std::filesystem::path path = argv[i];
    const orvanell::Transcript transcript = orvanell::LoadTranscript(path);
    written = WriteSeed(outputDir / path.stem(), static_cast<std::uint32_t>(transcript.clock),
                        inOneGo + transcript.input);
  }
  return written ? 0 : 1;
}
