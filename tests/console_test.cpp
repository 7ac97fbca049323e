#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "console.h"
#include "navigation.h"
#include "random.h"

namespace orvanell {
namespace {

// Each read is N (number), K (key) or W (word, kept up to 5 bytes); its result
// is shown as text, or <none> for no value.
Screen ReadScreen(std::string_view reads, std::vector<std::string>& results) {
  for (const char read : reads) {
    std::optional<std::string> shown;
    if (read == 'N') {
      if (auto number = co_await ReadNumber()) shown = std::to_string(*number);
    } else if (read == 'K') {
      if (auto key = co_await ReadKey()) shown = std::string(1, *key);
    } else if (auto word = co_await ReadWord(5)) {
      shown = *word;
    }
    results.emplace_back(shown.value_or("<none>"));
  }
}

struct ReadCase {
  std::string_view input;
  std::string_view reads;
  std::vector<std::string> expected;
};

TEST(ConsoleRead, FollowsTheNumberKeyAndWordRules) {
  const std::vector<ReadCase> cases = {
      {"42\n", "NN", {"42", "<none>"}},
      {"-5\n+7\n", "NN", {"-5", "7"}},
      {"  \n\n\t 9\n", "N", {"9"}},
      {"\v\f\r9", "NN", {"9", "<none>"}},
      {"010 0x1F 0X1f 07 0\n", "NNNNN", {"8", "31", "31", "7", "0"}},
      {"0xA 0Xa 0xa 0XA\n", "NNNN", {"10", "10", "10", "10"}},
      // 8 and 9 end an octal number and wait for the next read.
      {"08\n", "NN", {"0", "8"}},
      {"0779\n", "NN", {"63", "9"}},
      {"12abc\n5\n", "NNNK", {"12", "0", "<none>", "<none>"}},
      {"abc\n5\n", "NN", {"0", "<none>"}},
      {"-\n5\n", "NN", {"0", "<none>"}},
      {"+-5\n", "NN", {"0", "<none>"}},
      {"0x\n5\n", "NN", {"0", "<none>"}},
      {"0xg\n", "NN", {"0", "<none>"}},
      // Between 9 and A: no hexadecimal digit.
      {"0x:\n", "NN", {"0", "<none>"}},
      {"-0x10 +010\n", "NN", {"-16", "8"}},
      // Out of range clamps to the nearest bound and the input stays good.
      {"99999999999 -99999999999 7\n", "NNN", {"2147483647", "-2147483648", "7"}},
      {"2147483647 2147483648 -2147483648 -2147483649\n",
       "NNNN",
       {"2147483647", "2147483647", "-2147483648", "-2147483648"}},
      {"0x7fffffff 0x80000000 -0x80000000\n", "NNN", {"2147483647", "2147483647", "-2147483648"}},
      // At most 15 characters, the sign and the x counted.
      {"1234567890123456\n", "NN", {"2147483647", "6"}},
      {"-123456789012345\n", "NN", {"-2147483648", "5"}},
      {"00000000000000012 0x00000000000017\n", "NNNN", {"0", "12", "1", "7"}},
      // The end of input ends a number but keeps its digits, then fails the input.
      {"42", "NN", {"42", "<none>"}},
      {"", "NKW", {"<none>", "<none>", "<none>"}},
      {"  \n\t", "KN", {"<none>", "<none>"}},
      // Keys are any non-whitespace byte; the rest of a word waits.
      {"  yes\n", "KKK", {"y", "e", "s"}},
      {"7", "KK", {"7", "<none>"}},
      {"x\n", "KN", {"x", "<none>"}},
      {std::string_view("\0\n", 2), "K", {std::string(1, '\0')}},
      // Words stop at whitespace; only the kept length is stored.
      {"Ann Lee\n", "WW", {"Ann", "Lee"}},
      {"Bartholomew 3\n", "WN", {"Barth", "3"}},
      {"Zoe", "WW", {"Zoe", "<none>"}},
      // A character that does not fit whole goes, and nothing after it comes in.
      {"abcd\xC3\xA9z 1 abc\xC3\xA9z\n", "WNW", {"abcd", "1", "abc\xC3\xA9"}},
      {"abc\xF0\x9F\x98\x80 ab\xF0\x9F\x98\x80\n", "WW", {"abc", "ab"}},
      {"abc\xE9\x9B\xAA ab\xE9\x9B\xAA\n", "WW", {"abc", "ab\xE9\x9B\xAA"}},
      {"abcd\x80\x80\n", "W", {"abcd\x80"}},
      {"abc\xC3\xA9\x80\n", "W", {"abc\xC3\xA9"}},
      // Once failed, every read yields nothing, even with input left.
      {"q 1 y word\n", "NNKW", {"0", "<none>", "<none>", "<none>"}},
  };
  // Whichever way the input arrives, at most `chunk` bytes at a time as a
  // terminal or a pipe may, a read that runs out of bytes goes on where it
  // stopped.
  for (const std::size_t chunk : {InputBlockSize, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
    for (const ReadCase& c : cases) {
      std::string output;
      std::vector<std::string> results;
      ConsoleIo io = MemoryIo(c.input, output);
      io.read = [read = io.read, chunk](char* buffer, std::size_t capacity) {
        return read(buffer, std::min(capacity, chunk));
      };
      Session session(std::move(io), SystemClock);
      StartRun(session, ReadScreen(c.reads, results));
      PlayToEnd(session);
      EXPECT_EQ(results, c.expected) << "input: " << c.input << ", chunk " << chunk;
    }
  }
}

}  // namespace
}  // namespace orvanell
