// The one channel between the game and the player: every text goes out and
// every choice, answer, key and name comes in through these operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvanell {

// Where the console's bytes come from and go to: the terminal in the game,
// memory in tests.
struct ConsoleIo {
  // Waits for input if there is none yet; returns the count of bytes read, 0 at
  // the end of input (a read error counts as the end).
  std::function<std::size_t(char* buffer, std::size_t capacity)> read;
  // Whether `read` would return without waiting.
  std::function<bool()> inputReady;
  // Writes all the bytes or, if the output is gone, drops them.
  std::function<void(std::string_view bytes)> write;
};

// Starts a fresh channel: empty buffers and a good input condition.
void OpenConsole(ConsoleIo io);
// Hands every pending output byte to the writer.
void FlushConsole();

void WriteText(std::string_view text);
void WriteNumber(std::int32_t number);
void WriteChar(char character);

// A number in decimal, octal (leading 0) or hexadecimal (leading 0x), clamped
// to the 32-bit range; 0 when no digit came; no value once the input has failed.
std::optional<std::int32_t> ReadNumber();
// The next byte that is not whitespace.
std::optional<char> ReadKey();
// The next whitespace-free word, of which only the first `keepAtMost` bytes are
// kept; the rest of the word is read and dropped.
std::optional<std::string> ReadWord(std::size_t keepAtMost);

// Binds the channel to standard input and standard output.
ConsoleIo StandardIo();
// Binds the channel to `input`, all of it there from the start, and appends
// the output to `output`, which must outlive the channel's use.
ConsoleIo MemoryIo(std::string_view input, std::string& output);

}  // namespace orvanell
