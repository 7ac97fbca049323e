#include "console.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <utility>

namespace orvanell {
namespace {

// Output goes out in blocks of this size, or sooner when a read must wait.
constexpr std::size_t OutputBlockSize = std::size_t{64} * 1024;
constexpr std::size_t InputBlockSize = std::size_t{64} * 1024;
// A number takes at most this many characters, sign and hexadecimal x included.
constexpr int NumberWidth = 15;

struct Channel {
  ConsoleIo io;
  std::string output;
  // Left unset: only bytes a read has put there are ever looked at, and
  // clearing 64 KiB would cost the start-up a page fault per 4 KiB.
  std::array<char, InputBlockSize> input;
  std::size_t next = 0;
  std::size_t end = 0;
  bool inputEnded = false;
  bool failed = false;
};

Channel& TheChannel() {
  static Channel channel;
  return channel;
}

bool IsWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Makes sure at least one unread byte is buffered; false at the end of input.
// The pending output is shown first only if the read would have to wait, so
// that a prompt is on screen before the player types and piped input does not
// cost a write per prompt.
bool Fill() {
  Channel& ch = TheChannel();
  if (ch.next < ch.end) return true;
  if (ch.inputEnded) return false;
  if (!ch.io.inputReady()) FlushConsole();
  ch.next = 0;
  ch.end = ch.io.read(ch.input.data(), ch.input.size());
  if (ch.end == 0) ch.inputEnded = true;
  return ch.end > 0;
}

std::optional<char> Peek() {
  if (!Fill()) return std::nullopt;
  Channel& ch = TheChannel();
  return ch.input[ch.next];
}

void Take() {
  ++TheChannel().next;
}

// False when the input ends first, which fails the input.
bool SkipWhitespace() {
  Channel& ch = TheChannel();
  while (Fill()) {
    while (ch.next < ch.end && IsWhitespace(ch.input[ch.next]))
      ++ch.next;
    if (ch.next < ch.end) return true;
  }
  ch.failed = true;
  return false;
}

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

std::int32_t Clamp(std::int64_t value) {
  using Limits = std::numeric_limits<std::int32_t>;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, Limits::min(), Limits::max()));
}

}  // namespace

ConsoleIo MemoryIo(std::string_view input, std::string& output) {
  return ConsoleIo{
      [input](char* buffer, std::size_t capacity) mutable {
        const std::size_t count = input.copy(buffer, capacity);
        input.remove_prefix(count);
        return count;
      },
      [] { return true; },
      [&output](std::string_view bytes) { output.append(bytes); },
  };
}

void OpenConsole(ConsoleIo io) {
  Channel& ch = TheChannel();
  ch.io = std::move(io);
  ch.output.clear();
  ch.output.reserve(OutputBlockSize);
  ch.next = ch.end = 0;
  ch.inputEnded = false;
  ch.failed = false;
}

void FlushConsole() {
  Channel& ch = TheChannel();
  if (ch.output.empty()) return;
  ch.io.write(ch.output);
  ch.output.clear();
}

void WriteText(std::string_view text) {
  Channel& ch = TheChannel();
  // Flushing first keeps the buffer within the block it was given at the start.
  if (ch.output.size() + text.size() > OutputBlockSize) FlushConsole();
  ch.output.append(text);
}

void WriteNumber(std::int32_t number) {
  std::array<char, 16> digits{};
  auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
  static_cast<void>(error);  // 16 characters always hold a 32-bit number
  WriteText(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

void WriteChar(char character) {
  WriteText(std::string_view(&character, 1));
}

std::optional<std::int32_t> ReadNumber() {
  Channel& ch = TheChannel();
  if (ch.failed || !SkipWhitespace()) return std::nullopt;
  int taken = 0;
  bool negative = false;
  std::optional<char> c = Peek();
  if (*c == '+' || *c == '-') {
    negative = *c == '-';
    Take();
    ++taken;
    c = Peek();
  }
  int base = 10;
  int digits = 0;
  if (c == '0') {
    Take();
    ++taken;
    ++digits;
    base = 8;
    c = Peek();
    if (c == 'x' || c == 'X') {
      Take();
      ++taken;
      digits = 0;  // the 0 was only the prefix
      base = 16;
    }
  }
  std::int64_t value = 0;
  bool metEnd = false;
  while (taken < NumberWidth) {
    c = Peek();
    const int digit = c.has_value() ? DigitValue(*c, base) : -1;
    metEnd = !c.has_value();
    if (digit < 0) break;
    value = value * base + digit;
    Take();
    ++taken;
    ++digits;
  }
  // Meeting the end while collecting still counts the digits, but fails the input.
  if (metEnd) ch.failed = true;
  if (digits == 0) {
    ch.failed = true;
    return 0;
  }
  return Clamp(negative ? -value : value);
}

std::optional<char> ReadKey() {
  Channel& ch = TheChannel();
  if (ch.failed || !SkipWhitespace()) return std::nullopt;
  const char key = ch.input[ch.next];
  Take();
  return key;
}

std::optional<std::string> ReadWord(std::size_t keepAtMost) {
  Channel& ch = TheChannel();
  if (ch.failed || !SkipWhitespace()) return std::nullopt;
  std::string word;
  while (Fill()) {
    const std::size_t start = ch.next;
    while (ch.next < ch.end && !IsWhitespace(ch.input[ch.next]))
      ++ch.next;
    const std::size_t room = keepAtMost - word.size();
    word.append(ch.input.data() + start, std::min(room, ch.next - start));
    if (ch.next < ch.end) return word;
  }
  ch.failed = true;  // the end of input ended the word
  return word;
}

}  // namespace orvanell
