// The binding for hosts that must never block: the web page and node. The
// host owns the one run and calls in when it starts, when the player's bytes
// arrive and before it waits; the game's output goes to the host's
// `writeOutput` function.
//
// A call the run cannot take at that moment is ignored and told on standard
// error, which the page shows in its console: a script's slip must not
// corrupt the game's memory.
#include <emscripten.h>

#include <cstdio>
#include <memory>
#include <string>

#include "navigation.h"

// The bytes are only lent: the host must use them before it returns.
EM_JS(void, HandToHost, (const char* bytes, std::size_t count),
      { Module.writeOutput(HEAPU8.subarray(bytes, bytes + count)); });

// What the waiting read asks, as the page's `asked` function takes it: the
// record's JSON, read once the game has stopped to wait.
EM_JS(void, TellHost, (const char* record, std::size_t length), {
  if (!Module.asked) return;
  Module.asked(JSON.parse(new TextDecoder().decode(HEAPU8.subarray(record, record + length))));
});

namespace orvanell {
namespace {

std::unique_ptr<Session> run;
// Set while the game plays a step: `writeOutput` runs inside it, and must not
// start a new run under the one that is playing.
bool playing = false;

void WriteToHost(std::string_view bytes) {
  HandToHost(bytes.data(), bytes.size());
}

// Once the run stops to wait: what it asks, with what it judged before.
void TellWhatIsAsked(const Session& session) {
  if (RunEnded(session)) return;
  const std::string record = RecordOf(session.console.waiting);
  TellHost(record.data(), record.size());
}

void Refuse(const char* call, const char* why) {
  static_cast<void>(std::fprintf(stderr, "orvanell: %s refused: %s\n", call, why));
}

// The run, or nothing, told why, if `call` cannot reach it now.
Session* RunFor(const char* call) {
  if (playing) {
    Refuse(call, "called from writeOutput while the game plays");
    return nullptr;
  }
  if (!run) Refuse(call, "no run has started; call WebStart first");
  return run.get();
}

// Input space only while a read waits.
Session* WaitingRunFor(const char* call) {
  Session* session = RunFor(call);
  if (session == nullptr || !InputSpace(*session).empty()) return session;
  Refuse(call, RunEnded(*session) ? "the run has ended" : "no read waits for input");
  return nullptr;
}

}  // namespace

extern "C" {

// Starts a fresh run, ending any earlier one, and plays until it waits or ends.
EMSCRIPTEN_KEEPALIVE void WebStart() {
  if (playing) {
    Refuse("WebStart", "called from writeOutput while the game plays");
    return;
  }
  run.reset();
  run = std::make_unique<Session>(ConsoleIo{{}, {}, WriteToHost}, SystemClock);
  playing = true;
  StartRun(*run);
  playing = false;
  TellWhatIsAsked(*run);
}

// While the run waits: where to put the next input bytes, and how many fit.
// Null and 0 at any other time.
EMSCRIPTEN_KEEPALIVE char* WebInputBuffer() {
  Session* session = WaitingRunFor("WebInputBuffer");
  return session != nullptr ? InputSpace(*session).data() : nullptr;
}
EMSCRIPTEN_KEEPALIVE std::size_t WebInputCapacity() {
  Session* session = WaitingRunFor("WebInputCapacity");
  return session != nullptr ? InputSpace(*session).size() : 0;
}

// `count` bytes were put in the input buffer; 0 ends the input. At most
// `WebInputCapacity()`, and only while a read waits.
EMSCRIPTEN_KEEPALIVE void WebInputArrived(std::size_t count) {
  Session* session = WaitingRunFor("WebInputArrived");
  if (session == nullptr) return;
  playing = true;
  // A read waits, so the driver refuses only a count the space cannot hold.
  const bool taken = ContinueRun(*session, count);
  playing = false;
  if (taken) TellWhatIsAsked(*session);
  if (!taken) {
    static_cast<void>(std::fprintf(
        stderr, "orvanell: WebInputArrived refused: %zu bytes, more than WebInputCapacity()\n",
        count));
  }
}

EMSCRIPTEN_KEEPALIVE void WebFlush() {
  Session* session = RunFor("WebFlush");
  if (session == nullptr) return;
  playing = true;
  FlushBetweenSteps(*session);
  playing = false;
}

// -1 while the run goes on, then its exit status; 1 if no run has started.
EMSCRIPTEN_KEEPALIVE int WebStatus() {
  if (!run) {
    Refuse("WebStatus", "no run has started; call WebStart first");
    return 1;
  }
  return RunEnded(*run) ? RunStatus(*run) : -1;
}

}  // extern "C"

}  // namespace orvanell
