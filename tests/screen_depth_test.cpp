// The nesting bound, played in memory on every way the player can keep
// opening screens without closing one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "navigation.h"

namespace orvanell {
namespace {

// Written out rather than taken from the game's constants, so that a wrong
// bound or message fails here.
constexpr int kBound = 10'000;
constexpr std::string_view kTooDeep = "Too many screens are open, please start the game again.\n";

// Each step is one choice or key that opens exactly one more screen, or more
// that end one deeper; the cycle repeats after the lead-in. A run that
// unwinds ends with 0, or with 1 once the continue prompt has reopened the
// main menu.
struct DeepeningLoop {
  std::string_view name;
  std::vector<std::string_view> leadIn;
  std::vector<std::string_view> cycle;
  int status = 0;
};

// The input after which `screens` screens are open at once, the first main
// menu included.
std::string InputOpening(const DeepeningLoop& loop, int screens) {
  std::string input;
  for (std::size_t step = 0; step + 1 < static_cast<std::size_t>(screens); ++step) {
    input += step < loop.leadIn.size()
                 ? loop.leadIn[step]
                 : loop.cycle[(step - loop.leadIn.size()) % loop.cycle.size()];
  }
  return input;
}

// The message ends the run it shows in, once.
void ExpectEndedTooDeep(const SessionResult& past, std::string_view before) {
  EXPECT_EQ(past.status, 1);
  EXPECT_EQ(past.output.find(kTooDeep), past.output.size() - kTooDeep.size());
  EXPECT_TRUE(past.output.ends_with(std::string(before) + std::string(kTooDeep)));
}

TEST(ScreenDepth, TheRunEndsExactlyWhenOneScreenMoreThanTheBoundWouldOpen) {
  const std::vector<DeepeningLoop> loops = {
      {"help exit option", {}, {"4\n"}},
      {"addition tips b", {"4\n"}, {"1\n", "b\n"}},
      {"subtraction tips B", {"4\n"}, {"2\n", "B\n"}},
      {"multiplication tips x", {}, {"4\n", "3\n", "x\n"}},
      {"addition tips X", {}, {"4\n", "1\n", "X\n"}},
      {"exit confirmation n", {}, {"5\n", "n\n"}},
      {"exit confirmation N", {}, {"5\n", "N\n"}},
      {"mixed", {"4\n", "2\n", "x\n", "5\n", "n\n"}, {"4\n", "4\n"}},
      // A right first answer at second 0, 38 + 1, then back to the main menu:
      // the game's screens all closed, so the full bound is there again.
      {"help exit option after a game", {"1\n1\n39\n1\n4\n"}, {"4\n"}, 1},
  };
  for (const DeepeningLoop& loop : loops) {
    SCOPED_TRACE(loop.name);
    // The last choice is one no screen offers, so the deepest screen closes
    // without opening another and every screen unwinds normally. The run
    // before, but for the first loop's, was ended by the bound: it must have
    // left nothing open.
    const SessionResult atBound = RunSession(InputOpening(loop, kBound) + "9\n", 0);
    EXPECT_EQ(atBound.status, loop.status);
    EXPECT_EQ(atBound.output.find(kTooDeep), std::string::npos);

    const SessionResult past = RunSession(InputOpening(loop, kBound + 1), 0);
    ExpectEndedTooDeep(past, "");
    // Up to the message the run looked like any other: the message replaces
    // the screen that would not open, and nothing is written on the way out.
    const std::string_view beforeMessage =
        std::string_view(past.output).substr(0, past.output.size() - kTooDeep.size());
    EXPECT_TRUE(atBound.output.starts_with(beforeMessage));
  }
}

// The input after which a main menu is open as the `depth`th screen: help and
// main menus alternate, and the addition tips' x lets an even depth start.
std::string MainMenuAt(int depth) {
  const DeepeningLoop tipsFirst = {"", {"4\n", "1\n", "x\n"}, {"4\n"}};
  return InputOpening(depth % 2 == 0 ? tipsFirst : DeepeningLoop{"", {}, {"4\n"}}, depth);
}

// A screen that a game or the exit confirmation opens `offset` screens deeper
// than the main menu where `input` starts; `shows` is its first text.
struct ScreenCase {
  std::string_view name;
  std::string_view input;
  std::string_view shows;
  int offset;
};

TEST(ScreenDepth, EveryKindOfScreenCountsTowardTheBound) {
  // At second 0 both addition games pose 38 + 1. A run that quits at the
  // 10,000th screen, from a continue prompt or the exit confirmation, must
  // leave nothing open for the next run, which ends exactly at the bound.
  const std::vector<ScreenCase> cases = {
      {"game type", "1\n9\n", "What type of game would you like to play?\n", 1},
      {"one-player game", "1\n1\n39\n2\n", "38 + 1 = \n", 2},
      {"points", "1\n1\n39\n2\n", "You got 5 points good job!\n", 3},
      {"continue prompt after points", "1\n1\n39\n9\n", "To go to the Main Menu Press 1.\n", 4},
      {"two-player game", "1\n2\nAnn\nBob\n39\n2\n", "Welcome to 2 player Math Games!\n", 2},
      {"continue prompt after a win", "1\n2\nAnn\nBob\n39\n2\n",
       "To go to the Main Menu Press 1.\n", 3},
      {"exit confirmation", "5\ny\n", "Are you sure you want to leave?\n", 1},
  };
  for (const ScreenCase& c : cases) {
    SCOPED_TRACE(c.name);
    // What the game shows from its main menu up to the screen, played shallow.
    const std::string shallow = RunSession(c.input, 0).output;
    const std::size_t at = shallow.find(c.shows);
    ASSERT_NE(at, std::string::npos);
    const std::string before = shallow.substr(0, at);

    // As the 10,000th open screen it is shown before any message.
    const SessionResult last = RunSession(MainMenuAt(kBound - c.offset) + std::string(c.input), 0);
    const std::size_t shown = last.output.find(before + std::string(c.shows));
    ASSERT_NE(shown, std::string::npos);
    EXPECT_GT(last.output.find(kTooDeep), shown);

    // One deeper, the message takes its place and ends the run.
    const SessionResult past =
        RunSession(MainMenuAt(kBound + 1 - c.offset) + std::string(c.input), 0);
    ExpectEndedTooDeep(past, before);
  }
}

TEST(ScreenDepth, ClosedScreensCountNoLonger) {
  // Within one main menu, an invalid choice closes the continue prompt and
  // its points, and the next right answer opens both again, as the 9,999th
  // and the 10,000th screen.
  const SessionResult returned = RunSession(MainMenuAt(kBound - 4) + "1\n1\n39\n9\n39\n9\n", 0);
  EXPECT_NE(
      returned.output.find("You got 4 points, you could have done better!\nTo go to the Main"),
      std::string::npos);
  EXPECT_EQ(returned.output.find(kTooDeep), std::string::npos);
}

}  // namespace
}  // namespace orvanell
