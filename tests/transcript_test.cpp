// Plays every golden transcript in the transcripts folder and compares the
// whole output byte for byte, and the exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <numeric>
#include <span>
#include <string_view>
#include <utility>

#include "navigation.h"
#include "quiz.h"
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

std::filesystem::path TranscriptPath(const std::string& name) {
  return std::filesystem::path(TRANSCRIPT_DIR) / (name + ".txt");
}

// A run driven step by step, as a host that must not block drives it, fed at
// most `chunk` input bytes a step, or a line at a time where `chunk` is 0.
// Its wrong calls on the way, refused, must change nothing. At each wait it
// keeps the record the host is told, when it differs from the one before.
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
    std::string record = RecordOf(session.console.waiting);
    if (records.empty() || records.back() != record) records.push_back(std::move(record));
    const std::span<char> space = InputSpace(session);
    EXPECT_FALSE(ContinueRun(session, space.size() + 1));
    const std::size_t line = std::min(unread.find('\n'), unread.size() - 1) + 1;
    const std::size_t count =
        unread.copy(space.data(), std::min(chunk == 0 ? line : chunk, space.size()));
    unread.remove_prefix(count);
    ContinueRun(session, count);
    // Between steps the host may flush, and is told it did.
    EXPECT_TRUE(FlushBetweenSteps(session) && session.console.output.empty());
  }

  void Play() {
    while (!RunEnded(session))
      Step();
  }

  std::string_view unread;
  std::size_t chunk;
  std::string output;
  std::vector<std::string> records;
  Session session;
};

class TranscriptTest : public testing::TestWithParam<std::string> {};

// Played after sessions that each leave some run-wide state changed, so that
// one session leaves nothing behind for the next in the same process:
// another clock, the tips key at x, the input failed, then input left unread.
// Then played in steps, where reads that run out of bytes go on where they
// stopped, and two sessions played side by side share nothing.
TEST_P(TranscriptTest, PlaysAsRecorded) {
  const std::filesystem::path path = TranscriptPath(GetParam());
  const Transcript expected = LoadTranscript(path);
  using Before = std::pair<std::string_view, std::int64_t>;
  for (const auto& [first, clock] : {Before{"1\n1\n", 12345}, Before{"4\n1\nx\n", 0},
                                     Before{"x\n", 0}, Before{"5\ny\n4\n4\n", 0}})
    RunSession(first, clock);
  const SessionResult result = RunSession(expected.input, expected.clock);
  ASSERT_NE(expected.status, -1) << "no status line";
  EXPECT_EQ(result.status, expected.status);
  // With ORVANELL_UPDATE_TRANSCRIPTS=1 it records the output instead of
  // checking it; the changes are then reviewed with git diff.
  if (const char* update = std::getenv("ORVANELL_UPDATE_TRANSCRIPTS");
      update != nullptr && std::string_view(update) == "1") {
    if (UpdateTranscript(path, result.output)) std::cout << "updated " << path << '\n';
    return;
  }
  EXPECT_EQ(result.output, expected.output);
  EXPECT_EQ(LiveScreens(), 0);
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

// Transcripts are named as tests are: letters, digits and underscores.
INSTANTIATE_TEST_SUITE_P(Golden, TranscriptTest, testing::ValuesIn(TranscriptNames()),
                         [](const auto& info) { return info.param; });

// A record as the page is told it, parsed: the fields a row gives, and every
// other one as it is when it holds nothing, so that a record is compared whole.
nlohmann::json Told(std::string_view given) {
  nlohmann::json record = nlohmann::json::parse(
      R"({"choices":"","kind":null,"first":0,"second":0,"attempt":0,"triesLeft":0,"player":0,
          "name":"","judged":null,"ended":null})");
  const nlohmann::json fields = nlohmann::json::parse(given);
  record.update(fields);
  if (fields.contains("judged") && fields["judged"].is_object()) {
    record["judged"] =
        nlohmann::json::parse(R"({"answer":null,"player":0,"name":"","rightAnswer":null})");
    record["judged"].update(fields["judged"]);
  }
  return record;
}

// What the page is told, fed a line at a wait: every question, both verdicts,
// both players, the right answer given, the points, the winner and neither,
// and names that only JSON's escapes or U+FFFD can tell. Each case lists the
// first records told, and may name the last. Fed byte by byte, the run waits
// more often, and tells these among the others.
TEST(TranscriptRecord, TellsWhatIsAskedAndWhatWasJudged) {
  const std::string menu = R"({"question":"main-menu","reads":"number","choices":"12345"})";
  const std::string addition =
      R"({"question":"game-type","reads":"number","choices":"12","kind":"addition"})";
  const std::string sum = R"({"question":"problem","reads":"number","kind":"addition","first":)";
  const std::string difference =
      R"({"question":"problem","reads":"number","kind":"subtraction","first":12,"second":1,)";
  const std::string carryOn = R"({"question":"continue","reads":"number","choices":"12",)";
  const std::string firstName = R"({"question":"name","reads":"word","player":1})";
  // 80 bytes, so that the 79th is inside a character.
  const std::string snowy = "ab雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪雪";
  struct RecordCase {
    std::string name;
    std::vector<std::string> first;
    std::string last{};
    std::string input{};  // if not the named transcript's, at the clock of 24 + 18
  };
  const std::vector<RecordCase> cases = {
      {"one_player_four_misses",
       {menu, addition, sum + R"(12,"second":1,"triesLeft":4})",
        sum + R"(12,"second":1,"attempt":1,"triesLeft":3,"judged":{"verdict":"wrong","answer":1}})",
        sum + R"(12,"second":1,"attempt":2,"triesLeft":2,"judged":{"verdict":"wrong","answer":2}})",
        sum + R"(12,"second":1,"attempt":3,"triesLeft":1,"judged":{"verdict":"wrong","answer":3}})",
        carryOn +
            R"("judged":{"verdict":"wrong","answer":4,"rightAnswer":13},"ended":{"points":1}})"}},
      {"one_player_invalid_continue_then_right",
       {menu, addition, sum + R"(31,"second":28,"triesLeft":4})",
        carryOn + R"("judged":{"verdict":"right","answer":59},"ended":{"points":5}})",
        sum +
            R"(31,"second":28,"attempt":1,"triesLeft":3,"judged":{"verdict":"right","answer":59}})",
        carryOn + R"("judged":{"verdict":"right","answer":59},"ended":{"points":4}})"}},
      {"two_player_names_one_line_second_wins",
       {menu, addition, firstName, sum + R"(24,"second":18,"triesLeft":4,"player":1,"name":"Ann"})",
        sum + R"(24,"second":18,"triesLeft":4,"player":2,"name":"Bob","judged":{"verdict":"wrong",
            "answer":40,"player":1,"name":"Ann"}})",
        carryOn + R"("judged":{"verdict":"right","answer":42,"player":2,"name":"Bob"},
            "ended":{"winner":{"player":2,"name":"Bob"}}})"}},
      {"two_player_eight_misses",
       {menu, R"({"question":"game-type","reads":"number","choices":"12","kind":"subtraction"})",
        firstName, R"({"question":"name","reads":"word","player":2})",
        difference + R"("triesLeft":4,"player":1,"name":"Ann"})",
        difference + R"("triesLeft":4,"player":2,"name":"Bob","judged":{"verdict":"wrong",
            "answer":1,"player":1,"name":"Ann"}})",
        difference + R"("attempt":1,"triesLeft":3,"player":1,"name":"Ann","judged":{
            "verdict":"wrong","answer":2,"player":2,"name":"Bob"}})"},
       carryOn + R"("judged":{"verdict":"wrong","answer":8,"player":2,"name":"Bob",
           "rightAnswer":11},"ended":{"winner":null}})"},
      {"help_capital_b_sees_deeper_b",
       {menu, R"({"question":"help-menu","reads":"number","choices":"1234"})",
        R"({"question":"tips","reads":"key","choices":"bx","kind":"addition"})"}},
      {"exit_no_then_yes", {menu, R"({"question":"exit","reads":"key","choices":"yn"})", menu}},
      // Stray, cut, overlong, surrogate and too large: one U+FFFD a maximal
      // invalid subpart, as a TextDecoder shows them.
      {"escaped names and bytes that are not UTF-8",
       {menu, addition, firstName,
        sum +
            R"(24,"second":18,"triesLeft":4,"player":1,"name":"q\"b\\s\u0000\u0001\u001f\u007f"})",
        sum +
            R"(24,"second":18,"triesLeft":4,"player":2,"name":"\ufffd\ufffdz\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd😀\ufffd\ufffd\ufffd",
            "judged":{"verdict":"wrong","answer":0,"player":1,"name":"q\"b\\s\u0000\u0001\u001f\u007f"}})"},
       "",
       "1\n2\n" + std::string("q\"b\\s\0\x01\x1f\x7f", 9) +
           " \x80\xE9\x9Bz\xC0\xAF\xE0\x80\xAF\xED\xA0\x80\xF4\x90\x80\x80😀\xF5\xFF\xF0\x9F\x98\n0"
           "\n"},
      // Two-byte characters, as in José, Оля and محمد, the last of them DF BF;
      // and each bound of an invalid start: a lone C0, 7F after a lead byte,
      // E0 80, ED A0 and F4 90.
      {"two-byte names and the bounds of an invalid character",
       {menu, addition, firstName,
        sum + R"(24,"second":18,"triesLeft":4,"player":1,"name":"José"})",
        sum +
            R"(24,"second":18,"triesLeft":4,"player":2,"name":"Оля\ufffd\ufffd\u007f\ufffd\ufffd\ufffd\ufffd\ufffd\ufffdمحمد\u07ff",
            "judged":{"verdict":"wrong","answer":0,"player":1,"name":"José"}})"},
       "",
       "1\n2\nJosé Оля\xC0\xDF\x7F\xE0\x80\xED\xA0\xF4\x90محمد\xDF\xBF\n0\n"},
      {"a name cut at 79 bytes keeps whole characters",
       {menu, addition, firstName,
        sum + R"(24,"second":18,"triesLeft":4,"player":1,"name":")" + snowy.substr(0, 77) + "\"}"},
       "",
       "1\n2\n" + snowy + " x\n"},
  };
  for (const auto& [name, expected, last, input] : cases) {
    SCOPED_TRACE(name);
    Transcript transcript{1'700'000'001, -1, input, ""};
    if (input.empty()) transcript = LoadTranscript(TranscriptPath(name));
    SteppedRun byLines(transcript, 0);
    SteppedRun byteByByte(transcript, 1);
    byLines.Play();
    byteByByte.Play();
    const std::vector<std::string>& told = byLines.records;
    ASSERT_GE(told.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
      EXPECT_EQ(nlohmann::json::parse(told[i], nullptr, false), Told(expected[i])) << told[i];
    if (!last.empty()) {
      EXPECT_EQ(nlohmann::json::parse(told.back(), nullptr, false), Told(last));
    }
    auto at = byteByByte.records.begin();
    for (const std::string& record : told) {
      at = std::find(at, byteByByte.records.end(), record);
      EXPECT_NE(at, byteByByte.records.end()) << "byte by byte, never told " << record;
    }
  }
  // Every control character, whitespace too, which a typed name cannot hold,
  // and a guess no read gave, which is none, not 0.
  std::string controls(0x20, '\0');
  std::iota(controls.begin(), controls.end(), '\0');
  Judgement judged;
  Judge(judged, std::nullopt, Problem{});
  const Prompt asks{.question = Question::PlayerName, .name = controls, .judged = &judged};
  int reading = 0;
  const std::string record = RecordOf({&reading, nullptr, &asks, ReadKind::Word});
  nlohmann::json expected =
      Told(R"({"question":"name","reads":"word","judged":{"verdict":"wrong"}})");
  expected["name"] = controls;
  EXPECT_EQ(nlohmann::json::parse(record, nullptr, false), expected) << record;
}

}  // namespace
}  // namespace orvanell
