// The golden transcripts' file format, shared by their test, by the reader
// the end-to-end tests call and by the fuzzer's seed corpus.
//
// A transcript file holds "clock: N" and "status: N" lines and comments that
// start with "#", then an "== input" and an "== output" section, each the lines
// up to the next section. In the sections "\a" is the bell, "\0" a NUL byte,
// "\r" a carriage return, "\\" a backslash, and a backslash at the end of a
// line joins it to the next one with no line feed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvanell {

struct Transcript {
  std::int64_t clock = 0;
  std::int64_t status = -1;  // -1 when the file has no status line
  std::string input;
  std::string output;
};

// Throws std::runtime_error "FILE:LINE: what" at any other header line or
// escape.
Transcript LoadTranscript(const std::filesystem::path& path);

// Gives the file the output section of a run, keeping every other byte, and
// says whether anything changed.
bool UpdateTranscript(const std::filesystem::path& path, std::string_view output);

}  // namespace orvanell
