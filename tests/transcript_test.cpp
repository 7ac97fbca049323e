// Plays every golden transcript in the transcripts folder and compares the
// whole output byte for byte, and the exit status.
//
// A transcript file holds "clock: N" and "status: N" lines, then an "== input"
// and an "== output" section, each the lines up to the next section. In the
// sections "\a" is the bell, "\0" a NUL byte, "\\" a backslash, and a
// backslash at the end of a line joins it to the next one with no line feed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "navigation.h"

namespace orvanell {
namespace {

struct Transcript {
  std::int64_t clock = 0;
  int status = -1;
  std::string input;
  std::string output;
};

std::string Unescape(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    const char escaped = text[++i];
    if (escaped == 'a') bytes += '\a';
    if (escaped == '0') bytes += '\0';
    if (escaped == '\\') bytes += '\\';
  }
  return bytes;
}

Transcript Load(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  Transcript transcript;
  std::string line;
  std::string* section = nullptr;
  std::string input;
  std::string output;
  while (std::getline(file, line)) {
    if (line == "== input") {
      section = &input;
    } else if (line == "== output") {
      section = &output;
    } else if (section != nullptr) {
      *section += line + '\n';
    } else if (line.starts_with("clock: ")) {
      transcript.clock = std::stoll(line.substr(7));
    } else if (line.starts_with("status: ")) {
      transcript.status = std::stoi(line.substr(8));
    }
  }
  transcript.input = Unescape(input);
  transcript.output = Unescape(output);
  return transcript;
}

std::vector<std::string> TranscriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(TRANSCRIPT_DIR)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class TranscriptTest : public testing::TestWithParam<std::string> {};

TEST_P(TranscriptTest, PlaysAsRecorded) {
  const Transcript expected = Load(std::filesystem::path(TRANSCRIPT_DIR) / (GetParam() + ".txt"));
  ASSERT_NE(expected.status, -1) << "no status line";
  const SessionResult result = RunSession(expected.input, expected.clock);
  EXPECT_EQ(result.output, expected.output);
  EXPECT_EQ(result.status, expected.status);
}

INSTANTIATE_TEST_SUITE_P(Golden, TranscriptTest, testing::ValuesIn(TranscriptNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace orvanell
