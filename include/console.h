// The one channel between the game and the player: every text goes out and
// every choice, answer, key and name comes in through these operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// Emscripten's libc++ still keeps coroutines under their experimental name.
#if __has_include(<coroutine>)
#include <coroutine>
namespace orvanell::co {
using std::coroutine_handle, std::suspend_always;
}  // namespace orvanell::co
#else
#include <experimental/coroutine>
namespace orvanell::co {
using std::experimental::coroutine_handle, std::experimental::suspend_always;
}  // namespace orvanell::co
#endif

namespace orvanell {

// Where the console's bytes come from and go to: the platform's terminal in
// the game, memory in tests.
struct ConsoleIo {
  // Waits for input if there is none yet; returns the count of bytes read, 0 at
  // the end of input (a read error counts as the end).
  std::function<std::size_t(char* buffer, std::size_t capacity)> read;
  // Whether `read` would return without waiting.
  std::function<bool()> inputReady;
  // Writes all the bytes or, if the output is gone, drops them.
  std::function<void(std::string_view bytes)> write;
};

// Output goes out in blocks of this size, or sooner when a read must wait.
inline constexpr std::size_t OutputBlockSize = std::size_t{64} * 1024;
inline constexpr std::size_t InputBlockSize = std::size_t{64} * 1024;

struct ConsoleChannel;

enum class ProblemKind : std::uint8_t;

// What a read asks, for a host that shows more than the game's text, as the
// web page shows the question large with only the keys it needs, and what the
// game judged before it. Each screen hands it to its read, from its own
// state, so no host ever has to read it back out of the words, which are free
// to move. Only a read that waits keeps it: reading piped input costs nothing
// more.
enum class Question : std::uint8_t {
  None,
  MainMenu,
  GameType,
  HelpMenu,
  Tips,
  Problem,
  PlayerName,
  Continue,
  ExitConfirmation,
};

enum class ReadKind : std::uint8_t { Number, Key, Word };

enum class Verdict : std::uint8_t { None, Right, Wrong };

// The answer a game judged last.
struct Judgement {
  Verdict verdict = Verdict::None;
  // The number read, not the characters typed: none if no read gave one.
  std::optional<std::int32_t> answer;
  // In a two-player game, who answered.
  int player = 0;
  std::string_view name{};
  // After the last attempt, the answer the game gave.
  std::optional<std::int32_t> rightAnswer;
};

// How a game ended, told at the continue prompt after it: one player's
// points, or a winner (the player judged right), or neither.
enum class Outcome : std::uint8_t { None, Points, Won, Neither };

struct Prompt {
  Question question = Question::None;
  // The game's, or the tips'.
  ProblemKind kind{};
  // How the game ended, at the continue prompt after it, with one player's
  // points.
  Outcome outcome = Outcome::None;
  int points = 0;
  // The keys that choose, as typed, for the menus and the keyed screens.
  std::string_view choices{};
  // A problem's operands, the attempt (one player) or round (two), and how
  // many are left, this one included.
  std::int32_t first = 0;
  std::int32_t second = 0;
  int attempt = 0;
  int triesLeft = 0;
  // In a two-player game, 1 or 2: whose name is asked, or whose turn it is,
  // with that player's name.
  int player = 0;
  std::string_view name{};
  // The game's judgement of the answer before, kept by the game for all its
  // reads and the screens it opens, which it outlives.
  const Judgement* judged = nullptr;
};

// A read that found too few bytes buffered and waits for more. `advance` goes
// on with it and says whether it has finished. `asks` lives in the waiting
// screen's frame, as long as the read waits.
struct WaitingRead {
  void* read = nullptr;
  bool (*advance)(void* read, ConsoleChannel& channel) = nullptr;
  const Prompt* asks = nullptr;
  ReadKind reads = ReadKind::Number;
};

// What the waiting read asks, as one JSON object whose names come from one
// table (src/console/record.cpp): the record a host such as the web page
// takes. Empty when no read waits.
std::string RecordOf(const WaitingRead& waiting);

// One session's channel: its buffers and its input condition.
struct ConsoleChannel {
  explicit ConsoleChannel(ConsoleIo io);

  ConsoleIo io;
  std::string output;
  // Left uncleared: only bytes the binding has put there are ever looked at.
  std::unique_ptr<char[]> input;
  std::size_t next = 0;
  std::size_t end = 0;
  bool inputEnded = false;
  bool failed = false;
  WaitingRead waiting;
};

// The channel of the session being played (see navigation.h).
ConsoleChannel& ActiveConsole();

// Hands every pending output byte to the writer, always: the game's own flush,
// as it plays. A host between steps uses `FlushBetweenSteps` (navigation.h).
void WritePendingOutput(ConsoleChannel& channel);

void WriteText(std::string_view text);
void WriteNumber(std::int32_t number);
void WriteChar(char character);

// The reads go on from where they stopped each time more bytes arrive: each
// returns true once it has its result.
struct NumberRead {
  static constexpr ReadKind Kind = ReadKind::Number;
  std::string taken;  // at most the 15 characters a number may have
  std::optional<std::int32_t> result;
  bool Advance(ConsoleChannel& channel);
};

struct KeyRead {
  static constexpr ReadKind Kind = ReadKind::Key;
  std::optional<char> result;
  bool Advance(ConsoleChannel& channel);
};

struct WordRead {
  static constexpr ReadKind Kind = ReadKind::Word;
  std::size_t keepAtMost = 0;
  bool started = false;
  bool cut = false;  // the word has outgrown what is kept
  std::optional<std::string> result;
  bool Advance(ConsoleChannel& channel);
};

// A screen awaits a read: it completes at once while enough input is
// buffered, and otherwise the screen waits until the driver has more bytes.
template <typename Read>
struct ReadAwaiter {
  Read read;
  const Prompt* asks = nullptr;

  bool await_ready() { return read.Advance(ActiveConsole()); }
  void await_suspend(co::coroutine_handle<> /*screen*/) {
    ActiveConsole().waiting = {this, &AdvanceWaiting, asks, Read::Kind};
  }
  auto await_resume() { return std::move(read.result); }

  static bool AdvanceWaiting(void* self, ConsoleChannel& channel) {
    return static_cast<ReadAwaiter*>(self)->read.Advance(channel);
  }
};

// What each read asks is held by address, so that piped input copies
// nothing: a temporary prompt, which would be gone before the read waits, does
// not compile. A read with no prompt asks nothing a host could show.
inline constexpr Prompt AsksNothing{};

// A number in decimal, octal (leading 0) or hexadecimal (leading 0x), clamped
// to the 32-bit range; 0 when no digit came; no value once the input has failed.
inline ReadAwaiter<NumberRead> ReadNumber(const Prompt& asks = AsksNothing) {
  return {{}, &asks};
}
ReadAwaiter<NumberRead> ReadNumber(const Prompt&& asks) = delete;
// The next byte that is not whitespace.
inline ReadAwaiter<KeyRead> ReadKey(const Prompt& asks = AsksNothing) {
  return {{}, &asks};
}
ReadAwaiter<KeyRead> ReadKey(const Prompt&& asks) = delete;
// The next whitespace-free word, of which only the first `keepAtMost` bytes are
// kept, less a UTF-8 character that does not fit whole; the rest of the word is
// read and dropped.
inline ReadAwaiter<WordRead> ReadWord(std::size_t keepAtMost, const Prompt& asks = AsksNothing) {
  return {WordRead{keepAtMost, false, false, std::nullopt}, &asks};
}
ReadAwaiter<WordRead> ReadWord(std::size_t keepAtMost, const Prompt&& asks) = delete;

// Binds the channel to standard input and standard output.
ConsoleIo StandardIo();
#ifdef _WIN32
// Whether the console window is the game's alone, as after a double-click or
// from the Start menu, and standard input and output are both that console.
// Typed at a prompt, the prompt's shell shares the window; a pipe or a file
// has none.
bool HasConsoleWindowOfItsOwn();
#endif
// Binds the channel to `input`, all of it there from the start, and appends
// the output to `output`, which must outlive the channel's use.
ConsoleIo MemoryIo(std::string_view input, std::string& output);

}  // namespace orvanell
