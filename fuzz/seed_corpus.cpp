// Writes one fuzz input per golden transcript: the transcript's clock as the
// four leading bytes the fuzz target reads it from, then its input.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "transcript_file.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: orvanell_seed_corpus OUTPUT_DIR TRANSCRIPT...\n";
    return 2;
  }
  const std::filesystem::path outputDir = argv[1];
  std::filesystem::create_directories(outputDir);
  for (int i = 2; i < argc; ++i) {
    const std::filesystem::path path = argv[i];
    const orvanell::Transcript transcript = orvanell::LoadTranscript(path);
    const auto clock = static_cast<std::uint32_t>(transcript.clock);
    std::ofstream seed(outputDir / path.stem(), std::ios::binary);
    for (int byte = 0; byte < 4; ++byte)
      seed.put(static_cast<char>((clock >> (8 * byte)) & 0xFFU));
    seed << transcript.input;
    if (!seed) {
      std::cerr << "cannot write the seed for " << path << '\n';
      return 1;
    }
  }
  return 0;
}
