// Plays a whole session on arbitrary bytes and checks what must hold for any
// input: the run ends (libFuzzer's -timeout watches that), with status 0 or 1,
// and shows the main menu first. The first four bytes are the clock, little
// endian, so that the fuzzer also varies the problems; the rest is typed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "navigation.h"

namespace {

constexpr std::string_view kTitle = "     Orvanell                \n";

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint32_t clock = 0;
  std::size_t taken = 0;
  for (; taken < 4 && taken < size; ++taken)
    clock |= static_cast<std::uint32_t>(data[taken]) << (8 * taken);
  const std::string_view input(reinterpret_cast<const char*>(data) + taken, size - taken);

  const orvanell::SessionResult result = orvanell::RunSession(input, clock);
  Require(result.status == 0 || result.status == 1, "the status is 0 or 1");
  Require(result.output.starts_with(kTitle), "the output starts with the title");
  const std::size_t tooDeep = result.output.find(orvanell::TooDeepMessage);
  Require(
      tooDeep == std::string_view::npos ||
          (result.status == 1 && tooDeep + orvanell::TooDeepMessage.size() == result.output.size()),
      "the nesting bound's message ends the run, with status 1");
  // Nothing of one session may leak into the next.
  const orvanell::SessionResult again = orvanell::RunSession(input, clock);
  Require(again.output == result.output && again.status == result.status,
          "the same input and clock play the same session");
  return 0;
}
