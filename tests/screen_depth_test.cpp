// The nesting bound, played in memory on every way the player can keep
// opening screens without closing one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "navigation.h"

namespace orvanell {
namespace {

// Each step is one choice or key that opens exactly one more screen; the
// cycle repeats after the lead-in.
struct DeepeningLoop {
  std::string_view name;
  std::vector<std::string_view> leadIn;
  std::vector<std::string_view> cycle;
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

std::size_t CountOf(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
    ++count;
  return count;
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
  };
  for (const DeepeningLoop& loop : loops) {
    SCOPED_TRACE(loop.name);
    // The last choice is one no screen offers, so the deepest screen closes
    // without opening another and every screen unwinds normally.
    const SessionResult atBound = RunSession(InputOpening(loop, MaxOpenScreens) + "9\n", 0);
    EXPECT_EQ(atBound.status, 0);
    EXPECT_EQ(CountOf(atBound.output, TooDeepMessage), 0U);

    const SessionResult past = RunSession(InputOpening(loop, MaxOpenScreens + 1), 0);
    EXPECT_EQ(past.status, 1);
    ASSERT_TRUE(past.output.ends_with(TooDeepMessage));
    EXPECT_EQ(CountOf(past.output, TooDeepMessage), 1U);
    // Up to the message the run looked like any other: the message replaces
    // the screen that would not open, and nothing is written on the way out.
    const std::string_view beforeMessage =
        std::string_view(past.output).substr(0, past.output.size() - TooDeepMessage.size());
    EXPECT_TRUE(atBound.output.starts_with(beforeMessage));
  }
}

TEST(ScreenDepth, AFinishedGameLeavesNoScreenOpen) {
  // A one-player game with a right first answer, then back to the main menu:
  // the game's screens all closed, so the full bound is available again.
  const std::string oneGame = "1\n1\n39\n1\n";  // 38 + 1 at second 0
  const SessionResult result =
      RunSession(oneGame + InputOpening({"", {}, {"4\n"}}, MaxOpenScreens) + "9\n", 0);
  EXPECT_NE(result.output.find("Correct!!\n"), std::string::npos);
  EXPECT_EQ(CountOf(result.output, TooDeepMessage), 0U);
  EXPECT_EQ(result.status, 1);  // the main menu reopened by the continue prompt returned
}

}  // namespace
}  // namespace orvanell
