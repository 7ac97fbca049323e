// The Windows binding: the standard input and output handles, read and
// written raw with ReadFile and WriteFile. Nothing goes through the C
// library's text mode, so the bytes are the same as on every other system: a
// line break is the one byte 10, never 13 10.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <array>

#include "console.h"

namespace orvanell {
namespace {

// Keeps each call's count within a DWORD, and well within the 64 KB heap
// that a console before Windows 8 gives a process's reads and writes, where a
// byte takes two as UTF-16.
constexpr std::size_t MaxBytesPerCall = std::size_t{16} * 1024;
constexpr char ControlZ = 26;

HANDLE StandardInput() {
  return ::GetStdHandle(STD_INPUT_HANDLE);
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return ::GetConsoleMode(handle, &mode) != 0;
}

std::size_t ReadStandardInput(char* buffer, std::size_t capacity) {
  const HANDLE input = StandardInput();
  DWORD count = 0;
  // A pipe whose writer has gone fails with ERROR_BROKEN_PIPE: the end, as is
  // any other failure.
  if (::ReadFile(input, buffer, static_cast<DWORD>(std::min(capacity, MaxBytesPerCall)), &count,
                 nullptr) == 0) {
    return 0;
  }
  // At the console the player ends the input with Ctrl+Z then Enter, a line
  // that starts with the byte 26. Windows' own ReadFile may already report it
  // as nothing read; Wine's console hands the byte on.
  if (count > 0 && buffer[0] == ControlZ && IsConsole(input)) return 0;
  return count;
}

// Whether the next read returns at once. A file never waits, a pipe waits only
// while it is empty and still open. A console gets no look-ahead: typed keys
// are not yet a line, so the prompt is shown before every read there.
bool StandardInputReady() {
  const HANDLE input = StandardInput();
  switch (::GetFileType(input)) {
    case FILE_TYPE_DISK:
      return true;
    case FILE_TYPE_PIPE: {
      DWORD available = 0;
      // Peeking at a broken pipe fails: showing the output first costs nothing then.
      return ::PeekNamedPipe(input, nullptr, 0, nullptr, &available, nullptr) != 0 && available > 0;
    }
    default:
      return false;
  }
}

void WriteStandardOutput(std::string_view bytes) {
  const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto count = static_cast<DWORD>(std::min(bytes.size(), MaxBytesPerCall));
    // A closed output, a reader gone or a full device: the player can't see
    // it, the game goes on.
    if (::WriteFile(output, bytes.data(), count, &written, nullptr) == 0 || written == 0) return;
    bytes.remove_prefix(written);
  }
}

}  // namespace

ConsoleIo StandardIo() {
  return ConsoleIo{ReadStandardInput, StandardInputReady, WriteStandardOutput};
}

bool HasConsoleWindowOfItsOwn() {
  std::array<DWORD, 2> attached{};
  // The count of processes attached, even if more than there is room for.
  if (::GetConsoleProcessList(attached.data(), attached.size()) != 1) return false;
  return IsConsole(StandardInput()) && IsConsole(::GetStdHandle(STD_OUTPUT_HANDLE));
}

}  // namespace orvanell
