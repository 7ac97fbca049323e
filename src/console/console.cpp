#include "console.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace orvanell {
namespace {

// A number takes at most this many characters, sign and hexadecimal x included.
constexpr std::size_t NumberWidth = 15;

bool IsWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// What comes next in the input: a buffered byte, nothing until the binding
// brings more, or the end of input.
enum class Ahead : std::uint8_t { Byte, NothingYet, End };

Ahead Look(const ConsoleChannel& ch) {
  if (ch.next < ch.end) return Ahead::Byte;
  return ch.inputEnded ? Ahead::End : Ahead::NothingYet;
}

Ahead SkipWhitespace(ConsoleChannel& ch) {
  while (ch.next < ch.end && IsWhitespace(ch.input[ch.next]))
    ++ch.next;
  return Look(ch);
}

// How every read starts: no value once the input has failed; otherwise past
// the whitespace either a byte, nothing yet, or the end, which fails the input.
enum class Start : std::uint8_t { AtByte, Waiting, NoValue };

Start StartRead(ConsoleChannel& ch) {
  if (ch.failed) return Start::NoValue;
  switch (SkipWhitespace(ch)) {
    case Ahead::Byte:
      return Start::AtByte;
    case Ahead::NothingYet:
      return Start::Waiting;
    case Ahead::End:
      break;
  }
  ch.failed = true;
  return Start::NoValue;
}

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// The digits of a number's characters, after the sign and any 0x, and the
// base their first digit chose.
struct Digits {
  std::string_view text;
  int base = 10;
};

Digits DigitsOf(std::string_view taken) {
  if (!taken.empty() && (taken[0] == '+' || taken[0] == '-')) taken.remove_prefix(1);
  if (taken.size() >= 2 && taken[0] == '0' && (taken[1] == 'x' || taken[1] == 'X'))
    return {taken.substr(2), 16};
  if (!taken.empty() && taken[0] == '0') return {taken, 8};
  return {taken, 10};
}

// Whether `c` can go on with the number whose characters so far are `taken`.
bool ContinuesNumber(std::string_view taken, char c) {
  if (taken.empty() && (c == '+' || c == '-')) return true;
  const Digits digits = DigitsOf(taken);
  if (digits.base == 8 && digits.text == "0" && (c == 'x' || c == 'X')) return true;
  return DigitValue(c, digits.base) >= 0;
}

std::int32_t Clamp(std::int64_t value) {
  using Limits = std::numeric_limits<std::int32_t>;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, Limits::min(), Limits::max()));
}

// 0 when no digit came, which fails the input; otherwise the value, clamped.
std::int32_t NumberOf(ConsoleChannel& ch, std::string_view taken) {
  const Digits digits = DigitsOf(taken);
  if (digits.text.empty()) {
    ch.failed = true;
    return 0;
  }
  std::int64_t value = 0;
  for (const char c : digits.text)
    value = value * digits.base + DigitValue(c, digits.base);
  return Clamp(taken[0] == '-' ? -value : value);
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// How many continuation bytes follow `lead` in a UTF-8 character; 0 for a
// byte that begins none.
std::size_t ContinuationsAfter(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte >= 0xF8U) return 0;
  if (byte >= 0xF0U) return 3;
  if (byte >= 0xE0U) return 2;
  if (byte >= 0xC0U) return 1;
  return 0;
}

// A word cut just before `next`: when `next` goes on with a UTF-8 character
// the kept bytes began and left unfinished, the character's first bytes go
// too, so that a name never ends in half a character. A character kept whole
// stays, even when a stray continuation byte follows it; anything else, even
// bytes that are not UTF-8, stays exactly as typed.
void DropCutCharacter(std::string& kept, char next) {
  if (!IsContinuationByte(next)) return;
  std::size_t start = kept.size();
  while (start > 0 && kept.size() - start < 3 && IsContinuationByte(kept[start - 1]))
    --start;
  if (start > 0 && kept.size() - start < ContinuationsAfter(kept[start - 1]))
    kept.resize(start - 1);
}

}  // namespace

ConsoleChannel::ConsoleChannel(ConsoleIo io) : io(std::move(io)), input(new char[InputBlockSize]) {
  output.reserve(OutputBlockSize);
}

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

void WritePendingOutput(ConsoleChannel& channel) {
  if (channel.output.empty()) return;
  channel.io.write(channel.output);
  channel.output.clear();
}

void WriteText(std::string_view text) {
  ConsoleChannel& ch = ActiveConsole();
  // Flushing first keeps the buffer within the block it was given at the start.
  if (ch.output.size() + text.size() > OutputBlockSize) WritePendingOutput(ch);
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

bool NumberRead::Advance(ConsoleChannel& ch) {
  if (taken.empty()) {
    const Start start = StartRead(ch);
    if (start != Start::AtByte) return start == Start::NoValue;
  }
  while (taken.size() < NumberWidth) {
    const Ahead ahead = Look(ch);
    if (ahead == Ahead::NothingYet) return false;
    // Meeting the end while taking a number still counts its digits, but fails the input.
    if (ahead == Ahead::End) {
      ch.failed = true;
      break;
    }
    if (!ContinuesNumber(taken, ch.input[ch.next])) break;
    taken.push_back(ch.input[ch.next++]);
  }
  result = NumberOf(ch, taken);
  return true;
}

bool KeyRead::Advance(ConsoleChannel& ch) {
  const Start start = StartRead(ch);
  if (start != Start::AtByte) return start == Start::NoValue;
  result = ch.input[ch.next++];
  return true;
}

bool WordRead::Advance(ConsoleChannel& ch) {
  if (!started) {
    const Start start = StartRead(ch);
    if (start != Start::AtByte) return start == Start::NoValue;
    started = true;
    result.emplace();
  }
  for (;;) {
    const Ahead ahead = Look(ch);
    if (ahead == Ahead::NothingYet) return false;
    if (ahead == Ahead::End) {
      ch.failed = true;  // the end of input ended the word, which still counts
      return true;
    }
    const char c = ch.input[ch.next];
    if (IsWhitespace(c)) return true;
    if (!cut && result->size() < keepAtMost) {
      result->push_back(c);
    } else if (!cut) {
      cut = true;
      DropCutCharacter(*result, c);
    }
    ++ch.next;
  }
}

}  // namespace orvanell
