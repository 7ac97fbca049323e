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
#include <utility>

#include "navigation.h"

// The bytes are only lent: the host must use them before it returns.
EM_JS(void, HandToHost, (const char* bytes, std::size_t count),
      { Module.writeOutput(HEAPU8.subarray(bytes, bytes + count)); });

// What the waiting read asks, as the page's `asked` function takes it. The
// codes are those of `Question`, `ProblemKind` and `Verdict`.
// clang-format off
EM_JS(void, TellHost, (int question, const char* choices, std::size_t choicesLength, int kind,
                       int first, int second, int attempt, int player, const char* name,
                       std::size_t nameLength, int verdict), {
  if (!Module.asked) return;
  const text = (at, count) => new TextDecoder().decode(HEAPU8.subarray(at, at + count));
  Module.asked({
    question: ['none', 'main-menu', 'game-type', 'help-menu', 'tips', 'problem', 'name', 'continue',
      'exit'][question],
    choices: text(choices, choicesLength),
    kind: [null, 'addition', 'subtraction', 'multiplication'][kind] ?? null,
    first: first, second: second, attempt: attempt, player: player,
    name: text(name, nameLength),
    verdict: [null, 'right', 'wrong'][verdict]
  });
});
// clang-format on

namespace orvanell {
namespace {

std::unique_ptr<Session> run;
// Set while the game plays a step: `writeOutput` runs inside it, and must not
// start a new run under the one that is playing.
bool playing = false;

void WriteToHost(std::string_view bytes) {
  HandToHost(bytes.data(), bytes.size());
}

// Once the run stops to wait: what it asks, and how the answer before was
// judged, which is told once.
void TellWhatIsAsked(Session& session) {
  if (RunEnded(session)) return;
  static constexpr Prompt AsksNothing{};
  const Prompt& prompt =
      session.console.waiting.asks != nullptr ? *session.console.waiting.asks : AsksNothing;
  const Verdict verdict = std::exchange(session.verdict, Verdict::None);
  TellHost(static_cast<int>(prompt.question), prompt.choices.data(), prompt.choices.size(),
           static_cast<int>(prompt.kind), prompt.first, prompt.second, prompt.attempt,
           prompt.player, prompt.name.data(), prompt.name.size(), static_cast<int>(verdict));
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
