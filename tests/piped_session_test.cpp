// A session whose input is already waiting, as in a pipe, must hand its output
// on in large blocks rather than a write per screen; and game after game, the
// screens of those finished must be gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "navigation.h"

namespace orvanell {
namespace {

TEST(PipedSession, WritesOncePerBlockOfOutputAndKeepsNoFinishedScreen) {
  std::string input;
  for (int game = 0; game < 2000; ++game)
    input += "1 1 -1 -1 -1 -1 1\n";  // addition, one player, four misses, main menu
  std::string_view unread = input;
  std::size_t writes = 0;
  std::size_t bytes = 0;
  int mostScreens = 0;
  const int status = RunGame(ConsoleIo{
                                 // A pipe hands over what has arrived, a few KiB at a time.
                                 [&unread](char* buffer, std::size_t capacity) {
                                   const std::size_t count =
                                       unread.copy(buffer, std::min<std::size_t>(capacity, 4096));
                                   unread.remove_prefix(count);
                                   return count;
                                 },
                                 [] { return true; },
                                 [&](std::string_view output) {
                                   ++writes;
                                   bytes += output.size();
                                   mostScreens = std::max(mostScreens, LiveScreens());
                                 },
                             },
                             [] { return 1'700'000'000; });
  EXPECT_EQ(status, 1);
  EXPECT_GT(bytes, 800'000U);
  EXPECT_LE(writes, bytes / (32 * 1024) + 2);
  EXPECT_LE(mostScreens, 5);  // main menu, game type, game, points, continue prompt
  EXPECT_EQ(LiveScreens(), 0);
}

}  // namespace
}  // namespace orvanell
