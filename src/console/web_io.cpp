// The binding for hosts that must never block: the web page and node. The
// host owns the one run and calls in when it starts, when the player's bytes
// arrive and before it waits; the game's output goes to the host's
// `writeOutput` function.
#include <emscripten.h>

#include <memory>

#include "navigation.h"

// The bytes are only lent: the host must use them before it returns.
EM_JS(void, HandToHost, (const char* bytes, std::size_t count),
      { Module.writeOutput(HEAPU8.subarray(bytes, bytes + count)); });

namespace orvanell {
namespace {

std::unique_ptr<Session> run;

void WriteToHost(std::string_view bytes) {
  HandToHost(bytes.data(), bytes.size());
}

}  // namespace

extern "C" {

// Starts a fresh run, ending any earlier one, and plays until it waits or ends.
EMSCRIPTEN_KEEPALIVE void WebStart() {
  run.reset();
  run = std::make_unique<Session>(ConsoleIo{{}, {}, WriteToHost}, SystemClock);
  StartRun(*run);
}

// While the run waits: where to put the next input bytes, and how many fit.
EMSCRIPTEN_KEEPALIVE char* WebInputBuffer() {
  return InputSpace(*run).data();
}
EMSCRIPTEN_KEEPALIVE std::size_t WebInputCapacity() {
  return InputSpace(*run).size();
}

// `count` bytes were put in the input buffer; 0 ends the input.
EMSCRIPTEN_KEEPALIVE void WebInputArrived(std::size_t count) {
  ContinueRun(*run, count);
}

EMSCRIPTEN_KEEPALIVE void WebFlush() {
  FlushConsole(*run);
}

// -1 while the run goes on, then its exit status.
EMSCRIPTEN_KEEPALIVE int WebStatus() {
  return RunEnded(*run) ? RunStatus(*run) : -1;
}

}  // extern "C"

}  // namespace orvanell
