// Plays a whole session on arbitrary bytes and checks what must hold for any
// input: the run ends (libFuzzer's -timeout watches that), with status 0 or 1,
// and shows the main menu first. The first four bytes are the clock, little
// endian, so that the fuzzer also varies the problems.
//
// The fifth byte chooses the host. At 0 the rest is typed, and played twice:
// nothing of one session may leak into the next. Otherwise it counts the step
// bytes after it, and the rest is typed: the session is played again step by
// step, as a page drives it, and must play exactly as in one go, whatever
// wrong calls the steps make on the way; and at every wait it must ask
// something, and tell what in its record, which any JSON parser takes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "navigation.h"

namespace {

using orvanell::InputBlockSize;

constexpr std::string_view kTitle = "     Orvanell                \n";

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

struct SteppedHost {
  std::string_view steps;
  std::string_view unread;
  orvanell::Session* session = nullptr;
  bool callBackFromWriter = false;
  std::string output;

  void Write(std::string_view bytes) {
    output.append(bytes);
    if (!callBackFromWriter) return;
    Require(!orvanell::StartRun(*session), "a run starts only once");
    Require(!orvanell::ContinueRun(*session, 0), "the writer hands over no input");
    Require(!orvanell::FlushBetweenSteps(*session), "the writer flushes nothing");
    Require(orvanell::InputSpace(*session).empty(), "no input space while the game writes");
  }

  // Step bytes up to 0xEF hand over that many bytes and one more, 0xFF a
  // whole input space; 0xF0 to 0xFD pass a count beyond the space; 0xFE
  // makes the writer call back in from then on.
  void Step() {
    const auto step = static_cast<std::uint8_t>(steps.empty() ? 0xFF : steps.front());
    if (!steps.empty()) steps.remove_prefix(1);
    const std::span<char> space = orvanell::InputSpace(*session);
    Require(space.size() == InputBlockSize, "a waiting run offers its whole input space");
    if (step >= 0xF0 && step <= 0xFD) {
      const std::size_t beyond = step <= 0xF7 ? InputBlockSize + (step - 0xEF)
                                              : std::numeric_limits<std::size_t>::max() - step;
      Require(!orvanell::ContinueRun(*session, beyond), "a count beyond the space is refused");
      return;
    }
    if (step == 0xFE) {
      callBackFromWriter = true;
      return;
    }
    const std::size_t count = unread.copy(space.data(), step == 0xFF ? space.size() : step + 1U);
    unread.remove_prefix(count);
    Require(orvanell::ContinueRun(*session, count), "a waiting run takes its input");
  }
};

void PlayInSteps(std::string_view steps, std::string_view input, std::int64_t clock,
                 const orvanell::SessionResult& expected) {
  SteppedHost host;
  host.steps = steps;
  host.unread = input;
  orvanell::Session session(
      orvanell::ConsoleIo{{}, {}, [&host](std::string_view bytes) { host.Write(bytes); }},
      [clock] { return clock; });
  host.session = &session;
  Require(orvanell::StartRun(session), "a fresh session starts");
  while (!orvanell::RunEnded(session)) {
    const orvanell::WaitingRead& waiting = session.console.waiting;
    Require(waiting.asks != nullptr && waiting.asks->question != orvanell::Question::None,
            "every wait asks something");
    const std::string record = orvanell::RecordOf(waiting);
    Require(record.starts_with("{\"question\":") && nlohmann::json::accept(record),
            "every wait tells its record, as valid JSON");
    host.Step();
    Require(orvanell::FlushBetweenSteps(session), "a host flushes between steps");
  }
  for (const std::size_t count : {std::size_t{0}, std::size_t{1}, InputBlockSize + 1})
    Require(!orvanell::ContinueRun(session, count), "an ended run takes no input");
  Require(orvanell::InputSpace(session).empty(), "an ended run offers no input space");
  Require(!orvanell::StartRun(session), "an ended run starts no other");
  Require(host.output == expected.output && orvanell::RunStatus(session) == expected.status,
          "a session played in steps plays as in one go");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::uint32_t clock = 0;
  for (std::size_t at = 0; at < 4 && at < size; ++at)
    clock |= static_cast<std::uint32_t>(data[at]) << (8 * at);
  std::size_t stepCount = 0;
  if (size > 4) stepCount = std::min<std::size_t>(data[4], size - 5);
  const std::string_view steps = bytes.substr(std::min<std::size_t>(size, 5), stepCount);
  const std::string_view input = bytes.substr(std::min<std::size_t>(size, 5) + stepCount);

  const orvanell::SessionResult result = orvanell::RunSession(input, clock);
  Require(result.status == 0 || result.status == 1, "the status is 0 or 1");
  Require(result.output.starts_with(kTitle), "the output starts with the title");
  const std::size_t tooDeep = result.output.find(orvanell::TooDeepMessage);
  Require(
      tooDeep == std::string_view::npos ||
          (result.status == 1 && tooDeep + orvanell::TooDeepMessage.size() == result.output.size()),
      "the nesting bound's message ends the run, with status 1");
  Require(orvanell::LiveScreens() == 0, "a run leaves no screen behind");
  if (stepCount > 0) {
    PlayInSteps(steps, input, clock, result);
    Require(orvanell::LiveScreens() == 0, "a run played in steps leaves no screen behind");
    return 0;
  }
  const orvanell::SessionResult again = orvanell::RunSession(input, clock);
  Require(again.output == result.output && again.status == result.status,
          "the same input and clock play the same session");
  return 0;
}
