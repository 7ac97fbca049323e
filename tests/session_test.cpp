// A run dropped halfway, and what may not happen outside a run: the stepped
// calls' other refusals are checked on every transcript played in steps.
#include <gtest/gtest.h>

#include <string>

#include "navigation.h"

namespace orvanell {
namespace {

TEST(Session, ClosesEveryOpenScreenWhenDroppedWhileWaiting) {
  std::string input;
  for (int screen = 1; screen < 10'000; ++screen)
    input += "4\n";  // main menu and help menu, each opening the other
  {
    Session session(ConsoleIo{{}, {}, [](std::string_view /*bytes*/) {}}, [] { return 0; });
    EXPECT_FALSE(ContinueRun(session, 0));  // no run started, no read waits
    StartRun(session);
    input.copy(InputSpace(session).data(), input.size());
    ContinueRun(session, input.size());
    EXPECT_EQ(LiveScreens(), 10'000);
  }
  EXPECT_EQ(LiveScreens(), 0);
}

TEST(SessionDeathTest, ScreensAndReadsOutsideARunEndTheProcess) {
  EXPECT_DEATH_IF_SUPPORTED(ActiveSession(), "outside a run");
  EXPECT_DEATH_IF_SUPPORTED(static_cast<void>(ReadKey().await_ready()), "outside a run");
}

}  // namespace
}  // namespace orvanell
