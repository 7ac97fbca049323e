// Plays every golden transcript in the transcripts folder and compares the
// whole output byte for byte, and the exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <span>
#include <string_view>

#include "navigation.h"
#include "transcript_file.h"

namespace orvanell {
namespace {

std::vector<std::string> TranscriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(TRANSCRIPT_DIR)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A run driven step by step, as a host that must not block drives it, fed at
// most `chunk` input bytes a step. Its wrong calls on the way, refused, must
// change nothing.
struct SteppedRun {
  SteppedRun(const Transcript& transcript, std::size_t chunk)
      : unread(transcript.input),
        chunk(chunk),
        session(ConsoleIo{{}, {}, [this](std::string_view bytes) { Write(bytes); }},
                [clock = transcript.clock] { return clock; }) {
    StartRun(session);
  }

  void Write(std::string_view bytes) {
    output.append(bytes);
    EXPECT_FALSE(StartRun(session) || ContinueRun(session, 0) || FlushBetweenSteps(session));
    EXPECT_EQ(PlayToEnd(session), -1);
  }

  void Step() {
    if (RunEnded(session)) {
      EXPECT_FALSE(ContinueRun(session, 0));
      return;
    }
    EXPECT_FALSE(StartRun(session));
    const std::span<char> space = InputSpace(session);
    EXPECT_FALSE(ContinueRun(session, space.size() + 1));
    const std::size_t count = unread.copy(space.data(), std::min(chunk, space.size()));
    unread.remove_prefix(count);
    ContinueRun(session, count);
    // Between steps the host may flush, and is told it did.
    EXPECT_TRUE(FlushBetweenSteps(session) && session.console.output.empty());
  }

  std::string_view unread;
  std::size_t chunk;
  std::string output;
  Session session;
};

// With ORVANELL_UPDATE_TRANSCRIPTS=1, PlaysAsRecorded records what the game
// does instead of checking it; the changes are then reviewed with git diff.
bool UpdatingTranscripts() {
  const char* update = std::getenv("ORVANELL_UPDATE_TRANSCRIPTS");
  return update != nullptr && std::string_view(update) == "1";
}

class TranscriptTest : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    expected = LoadTranscript(path);
    if (!UpdatingTranscripts()) {
      ASSERT_NE(expected.status, -1) << "no status line";
    }
  }
  std::filesystem::path path = std::filesystem::path(TRANSCRIPT_DIR) / (GetParam() + ".txt");
  Transcript expected;
};

TEST_P(TranscriptTest, PlaysAsRecorded) {
  const SessionResult result = RunSession(expected.input, expected.clock);
  if (UpdatingTranscripts()) {
    if (UpdateTranscript(path, result.status, result.output))
      std::cout << "updated " << path << '\n';
    return;
  }
  EXPECT_EQ(result.output, expected.output);
  EXPECT_EQ(result.status, expected.status);
  EXPECT_EQ(LiveScreens(), 0);
}

// Reads that run out of bytes go on where they stopped, and two sessions
// played side by side in one process share nothing.
TEST_P(TranscriptTest, PlaysTheSameInStepsBesideAnotherSession) {
  SteppedRun byteByByte(expected, 1);
  SteppedRun inSevens(expected, 7);
  while (!RunEnded(byteByByte.session) || !RunEnded(inSevens.session)) {
    byteByByte.Step();
    inSevens.Step();
  }
  for (const SteppedRun* run : {&byteByByte, &inSevens}) {
    EXPECT_EQ(run->output, expected.output) << "chunk " << run->chunk;
    EXPECT_EQ(RunStatus(run->session), expected.status) << "chunk " << run->chunk;
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, TranscriptTest, testing::ValuesIn(TranscriptNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
                           }
                           return name;
                         });

// One session leaves nothing behind for the next in the same process: after
// each of these, which changes some run-wide state, the transcript must still
// play exactly as recorded.
struct AfterCase {
  std::string_view first;
  std::int64_t clock;
  std::string_view transcript;
};

TEST(TranscriptTest, PlaysAsRecordedAfterAnotherSession) {
  const std::vector<AfterCase> cases = {
      {"4\n1\nx\n", 0, "help_input_ends_at_key"},   // the tips key left at x
      {"x\n", 0, "exit_yes"},                       // the input left failed
      {"5\ny\n4\n4\n", 0, "menu_empty_input"},      // input left unread
      {"1\n1\n", 12345, "one_player_right_first"},  // another clock
  };
  for (const AfterCase& c : cases) {
    SCOPED_TRACE(c.transcript);
    const Transcript expected = LoadTranscript(std::filesystem::path(TRANSCRIPT_DIR) /
                                               (std::string(c.transcript) + ".txt"));
    RunSession(c.first, c.clock);
    const SessionResult result = RunSession(expected.input, expected.clock);
    EXPECT_EQ(result.output, expected.output);
    EXPECT_EQ(result.status, expected.status);
  }
}

}  // namespace
}  // namespace orvanell
