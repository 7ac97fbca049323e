// A run dropped halfway, and what may not happen outside a run: the stepped
// calls' other refusals are checked on every transcript played in steps.
// Runs in a window of their own follow one another, each fresh.
#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "navigation.h"

namespace orvanell {
namespace {

TEST(Session, RefusesARunNotStartedClosesOneDroppedWhileWaitingAndEndsALyingBinding) {
  std::string input;
  for (int screen = 1; screen < 10'000; ++screen)
    input += "4\n";  // main menu and help menu, each opening the other
  {
    // Nothing waits for input, so it must not even look for any.
    const auto untouched = [](auto&&...) -> std::size_t { throw std::logic_error("binding used"); };
    Session session(ConsoleIo{untouched, untouched, [](std::string_view /*bytes*/) {}},
                    [] { return 0; });
    EXPECT_EQ(PlayToEnd(session), -1);
    EXPECT_FALSE(ContinueRun(session, 0));  // no run started, no read waits
    StartRun(session);
    input.copy(InputSpace(session).data(), input.size());
    ContinueRun(session, input.size());
    EXPECT_EQ(LiveScreens(), 10'000);
  }
  EXPECT_EQ(LiveScreens(), 0);

  // It claims a byte more than its room, with a choice at the start of it;
  // after that its input ends.
  std::string lied;
  bool lying = true;
  Session session(
      ConsoleIo{[&lying](char* buffer, std::size_t capacity) {
                  buffer[0] = '5';
                  return std::exchange(lying, false) ? capacity + 1 : 0;
                },
                [] { return true; }, [&lied](std::string_view bytes) { lied += bytes; }},
      [] { return 0; });
  StartRun(session);
  EXPECT_EQ(PlayToEnd(session), 0);
  EXPECT_EQ(lied, RunSession("", 0).output);  // as if the input had ended at the menu
}

TEST(SessionDeathTest, ScreensAndReadsOutsideARunEndTheProcess) {
  EXPECT_DEATH_IF_SUPPORTED(ActiveSession(), "outside a run");
  EXPECT_DEATH_IF_SUPPORTED(static_cast<void>(ReadKey().await_ready()), "outside a run");
}

// A line the player types at a terminal; `typedAhead` if it is already there
// when the game looks, `endless` if it comes again and again. A read takes at
// most one line, and drops what it has no room for, as a terminal does.
struct TypedLine {
  std::string text;
  bool typedAhead = false;
  bool endless = false;
};

struct WindowCase {
  const char* name;
  std::deque<TypedLine> lines;  // then the end of input
  std::string expected;
  int status;
};

TEST(OwnWindow, HoldsAfterEachRunUntilTheInputEnds) {
  const auto run = [](std::string_view input) { return RunSession(input, 0).output; };
  const std::string held(GameEndedLine);
  const std::string zeros(100'000, '\0');
  const std::vector<WindowCase> cases = {
      {"a mistyped choice fails only that run's input",
       {{"x\n"}, {"\n"}, {"5\n"}, {"y\n"}},
       run("x\n") + held + run("5\ny\n") + held,
       1},
      {"what was typed before the line shows is dropped",
       {{"x\n"}, {"\n", true}, {"\n"}, {"5\n"}},
       run("x\n") + held + run("5\n"),
       0},
      {"the end of input during a run closes at once", {{"1\n"}}, run("1\n"), 0},
      {"a line that never ends is a line",
       {{"x\n"}, {zeros}, {"5\n"}, {"y\n"}},
       run("x\n") + held + run("5\ny\n") + held,
       1},
      {"endless input ends the window as the game alone", {{zeros, true, true}}, run(zeros), 0},
  };
  for (const WindowCase& window : cases) {
    std::deque<TypedLine> lines = window.lines;
    std::string output;
    int reads = 0;
    const int status = PlayInOwnWindow(
        ConsoleIo{[&lines, &reads](char* buffer, std::size_t capacity) {
                    // Endless input, read forever, ends here as a failure.
                    if (lines.empty() || ++reads > 1000) return std::size_t{0};
                    const std::size_t count = lines.front().text.copy(buffer, capacity);
                    if (!lines.front().endless) lines.pop_front();
                    return count;
                  },
                  [&lines] { return !lines.empty() && lines.front().typedAhead; },
                  [&output](std::string_view bytes) { output += bytes; }},
        [] { return 0; });
    EXPECT_EQ(output, window.expected) << window.name;
    EXPECT_EQ(status, window.status) << window.name;
    EXPECT_LE(reads, 1000) << window.name;
  }
}

}  // namespace
}  // namespace orvanell
