// The binding must tell whether input is there, or piped input costs a write
// per prompt. And on POSIX, when another program has made standard input and
// output non-blocking, the game must wait for the player and for a slow
// reader rather than take "try again" for the end of input or a lost output.
#include <gtest/gtest.h>

#include <fcntl.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <string>
#include <string_view>
#include <thread>

#include "navigation.h"

namespace orvanell {
namespace {

// Puts a pipe in place of standard input or output for as long as it lives,
// the game's end non-blocking if asked; the test holds and closes `theirs`.
// On Windows, the C library's descriptors 0 and 1 carry the standard handles
// the binding reads and writes.
struct PipeInPlace {
  explicit PipeInPlace(int descriptor, [[maybe_unused]] bool nonBlocking = false)
      : descriptor(descriptor) {
    std::array<int, 2> ends{};
#ifdef _WIN32
    EXPECT_EQ(::_pipe(ends.data(), 1 << 16, _O_BINARY), 0);
#else
    EXPECT_EQ(::pipe(ends.data()), 0);
#endif
    const int mine = descriptor == STDIN_FILENO ? ends[0] : ends[1];
    theirs = descriptor == STDIN_FILENO ? ends[1] : ends[0];
#ifndef _WIN32
    if (nonBlocking) {
      EXPECT_EQ(::fcntl(mine, F_SETFL, ::fcntl(mine, F_GETFL) | O_NONBLOCK), 0);
    }
#endif
    EXPECT_NE(::dup2(mine, descriptor), -1);
    ::close(mine);
  }
  ~PipeInPlace() {
    ::dup2(saved, descriptor);
    ::close(saved);
  }
  int descriptor;
  int saved = ::dup(descriptor);
  int theirs = -1;
};

// However little each read takes, input still waiting in the pipe lets the
// output wait for a full block; and game after game, the screens of those
// finished are gone.
TEST(StandardIo, WritesOncePerBlockOnPipedInputAndKeepsNoFinishedScreen) {
  std::string input;
  for (int game = 0; game < 300; ++game)
    input += "1 1 -1 -1 -1 -1 1\n";  // addition, one player, four misses, main menu
  const SessionResult expected = RunSession(input, 0);
  std::string output;
  std::size_t writes = 0;
  int mostScreens = 0;
  const PipeInPlace in(STDIN_FILENO);
  EXPECT_EQ(::write(in.theirs, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  ::close(in.theirs);
  ConsoleIo io = StandardIo();
  io.read = [read = io.read](char* buffer, std::size_t capacity) {
    return read(buffer, std::min<std::size_t>(capacity, 64));
  };
  io.write = [&](std::string_view bytes) {
    ++writes;
    output += bytes;
    mostScreens = std::max(mostScreens, LiveScreens());
  };
  EXPECT_EQ(RunGame(io, [] { return 0; }), expected.status);
  EXPECT_TRUE(output == expected.output);
  EXPECT_LE(writes, output.size() / (OutputBlockSize / 2) + 2);
  EXPECT_LE(mostScreens, 5);  // main menu, game type, game, points, continue prompt
  EXPECT_EQ(LiveScreens(), 0);
}

#ifndef _WIN32
using std::chrono_literals::operator""ms;

// The game holds the test's own standard input and output: if it never lets
// go, the test must say so and end rather than hang.
void GiveUp(int /*signal*/) {
  constexpr std::string_view message = "FAIL: the game did not end within 30 s\n";
  static_cast<void>(::write(STDERR_FILENO, message.data(), message.size()));
  ::_exit(1);
}

TEST(StandardIo, WaitsOnNonBlockingInputAndOutputAndSeesWhenAReadWouldNotWait) {
  std::string input;
  for (int i = 0; i < 300; ++i)
    input += "4\n4\n";  // about 100 KiB of menus, more than a pipe holds
  const SessionResult expected = RunSession(input, 0);
  ASSERT_GT(expected.output.size(), std::size_t{70'000});

  std::string output;
  std::thread player;
  std::thread screen;
  int status = 0;
  {
    const PipeInPlace in(STDIN_FILENO, true);
    const PipeInPlace out(STDOUT_FILENO, true);
    const ConsoleIo io = StandardIo();
    EXPECT_FALSE(io.inputReady());  // the prompt must show before the game waits
    rlimit files{};
    ::getrlimit(RLIMIT_NOFILE, &files);
    const rlimit noFiles{0, files.rlim_max};
    ::setrlimit(RLIMIT_NOFILE, &noFiles);  // poll then fails: EINVAL
    EXPECT_FALSE(io.inputReady());         // a failed look is no input
    ::setrlimit(RLIMIT_NOFILE, &files);
    std::array<char, 2> line{};
    EXPECT_EQ(::write(in.theirs, "1\n", 2), 2);
    EXPECT_TRUE(io.inputReady());  // piped bytes: the output can wait for a full block
    EXPECT_EQ(io.read(line.data(), line.size()), 2U);
    player = std::thread([&input, writer = in.theirs] {
      std::this_thread::sleep_for(50ms);  // the game finds no input yet
      EXPECT_EQ(::write(writer, input.data(), input.size()), static_cast<ssize_t>(input.size()));
      ::close(writer);
    });
    screen = std::thread([&output, reader = out.theirs] {
      std::this_thread::sleep_for(100ms);  // the game finds the pipe full
      std::array<char, 4096> block{};
      for (ssize_t count = 0; (count = ::read(reader, block.data(), block.size())) > 0;) {
        output.append(block.data(), static_cast<std::size_t>(count));
      }
      ::close(reader);
    });
    static_cast<void>(std::signal(SIGALRM, GiveUp));
    ::alarm(30);
    status = RunGame(io, [] { return 0; });
    EXPECT_TRUE(io.inputReady());  // the end of input
    ::close(STDIN_FILENO);
    EXPECT_EQ(io.read(line.data(), line.size()), 0U);  // a read error ends the input too
  }  // standard output put back lets the screen thread see the end
  player.join();
  screen.join();
  ::alarm(0);
  EXPECT_EQ(status, expected.status);
  EXPECT_TRUE(output == expected.output)
      << "got " << output.size() << " of " << expected.output.size() << " bytes";
}

#endif

}  // namespace
}  // namespace orvanell
