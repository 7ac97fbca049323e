// A run the host gives up on while it waits must close every screen it has
// open, however many; the sanitized build reports any frame left behind.
#include <gtest/gtest.h>

#include <string>

#include "navigation.h"

namespace orvanell {
namespace {

TEST(Session, ClosesEveryOpenScreenWhenDroppedWhileWaiting) {
  std::string input;
  for (int screen = 1; screen < 10'000; ++screen)
    input += "4\n";  // main menu and help menu, each opening the other
  std::string output;
  {
    Session session(ConsoleIo{{}, {}, [&output](std::string_view bytes) { output += bytes; }},
                    [] { return 0; });
    StartRun(session);
    ASSERT_LE(input.size(), InputSpace(session).size());
    input.copy(InputSpace(session).data(), input.size());
    ContinueRun(session, input.size());
    EXPECT_FALSE(RunEnded(session));
    EXPECT_EQ(session.openScreens, 10'000);
  }
  EXPECT_EQ(output.find(TooDeepMessage), std::string::npos);
}

}  // namespace
}  // namespace orvanell
