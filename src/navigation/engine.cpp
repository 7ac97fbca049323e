// How screens nest, close and quit.
//
// Every screen is a coroutine, a `Screen`. A screen opens another by awaiting
// it: the caller suspends and records the new screen as the innermost; when
// that one finishes it closes itself and records its caller as the innermost
// again. Neither hop calls the next screen. Each returns to the driver's loop
// (`PlayOn`), a trampoline, which resumes whichever screen is innermost now:
// so the native stack holds the loop and one screen however deep the player
// goes, whatever the compiler does with tail calls, and every edition, the
// web one included, runs the same loop. The frames live on the heap and each
// knows its caller: the open screens form a chain from the innermost back to
// the run's first main menu, and the session counts them against the nesting
// bound.
//
// A read whose bytes are buffered completes without suspending. One that must
// wait suspends the innermost screen and leaves itself in the channel, and the
// loop hands control back to the host (`StartRun`, `ContinueRun`); the driver
// gets more bytes from the binding, lets the read go on with them and resumes
// the innermost screen once the read has its result.
//
// Quitting, and the continue prompt's way back to the main menu, are requests
// to the driver: the asking screen suspends, and the driver closes the chain
// innermost first, so that closing 10,000 screens takes no more stack than
// closing one. For the main menu it then opens a fresh one as the only open
// screen: nothing beneath that prompt could ever run again, because the run
// quits once that menu returns.
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

#include "navigation.h"

namespace orvanell {

struct Session::Engine {
  // The screen running or waiting, innermost of all.
  Screen::Handle innermost;
  int openScreens = 0;
  enum class Request : std::uint8_t { None, Quit, ReopenMainMenu } request = Request::None;
  // The continue prompt has reopened the main menu: the run quits once it returns.
  bool reopened = false;
  bool ended = false;
  int status = 0;

  static Engine& Of(Session& session) { return *session.engine; }
  static const Engine& Of(const Session& session) { return *session.engine; }
};

namespace {

using Engine = Session::Engine;
using Request = Engine::Request;

thread_local Session* active = nullptr;
// Sessions may be played side by side on several threads.
std::atomic<int> liveScreens = 0;

bool Playing(const Session& session) {
  return active == &session;
}

bool Started(const Session& session) {
  const Engine& engine = Engine::Of(session);
  return engine.innermost || engine.ended;
}

void CloseAllScreens(Session& session) {
  Engine& engine = Engine::Of(session);
  for (Screen::Handle screen = engine.innermost; screen;) {
    const Screen::Handle caller = screen.promise().caller;
    screen.destroy();
    screen = caller;
  }
  engine.innermost = {};
  engine.openScreens = 0;
  session.console.waiting = {};
}

void OpenFirst(Session& session, Screen first) {
  Engine& engine = Engine::Of(session);
  engine.innermost = first.Release();
  engine.openScreens = 1;
}

void End(Session& session, int status) {
  WritePendingOutput(session.console);
  Engine& engine = Engine::Of(session);
  engine.ended = true;
  engine.status = status;
}

// The trampoline: resumes the innermost screen, again and again as screens
// open and close, until a read waits for input or the run ends.
void PlayOn(Session& session) {
  const SessionScope scope(session);
  Engine& engine = Engine::Of(session);
  for (;;) {
    engine.innermost.resume();
    switch (std::exchange(engine.request, Request::None)) {
      case Request::Quit:
        CloseAllScreens(session);
        End(session, 1);
        return;
      case Request::ReopenMainMenu:
        CloseAllScreens(session);
        engine.reopened = true;
        OpenFirst(session, MainMenu());
        continue;
      case Request::None:
        break;
    }
    if (!engine.innermost) {
      End(session, engine.reopened ? 1 : 0);
      return;
    }
    if (session.console.waiting.read != nullptr) return;
  }
}

}  // namespace

Screen::Screen(Screen&& other) noexcept : handle(std::exchange(other.handle, {})) {}

Screen::~Screen() {
  if (handle) handle.destroy();
}

Screen::Handle Screen::Release() noexcept {
  return std::exchange(handle, {});
}

void Screen::await_suspend(Handle caller) noexcept {
  Engine& engine = Engine::Of(ActiveSession());
  if (engine.openScreens == MaxOpenScreens) {
    // Emscripten's libc++ destroys a coroutine only through a handle that is
    // not const.
    Release().destroy();
    WriteText(TooDeepMessage);
    engine.request = Request::Quit;
    return;
  }
  ++engine.openScreens;
  const Handle opening = Release();
  opening.promise().caller = caller;
  engine.innermost = opening;
}

void Screen::Finish::await_suspend(Handle finished) const noexcept {
  Engine& engine = Engine::Of(ActiveSession());
  engine.innermost = finished.promise().caller;
  // Suspended at its end, the frame may go: nothing of it runs again.
  finished.destroy();
  --engine.openScreens;
}

void* Screen::promise_type::operator new(std::size_t size) {
  void* frame = ::operator new(size);
  liveScreens.fetch_add(1, std::memory_order_relaxed);
  return frame;
}

void Screen::promise_type::operator delete(void* frame) noexcept {
  liveScreens.fetch_sub(1, std::memory_order_relaxed);
  ::operator delete(frame);
}

int LiveScreens() {
  return liveScreens.load(std::memory_order_relaxed);
}

void Screen::promise_type::unhandled_exception() const noexcept {
  std::terminate();
}

void QuitGame::await_suspend(Screen::Handle /*quitting*/) const noexcept {
  Engine::Of(ActiveSession()).request = Request::Quit;
}

void ReopenMainMenu::await_suspend(Screen::Handle /*reopening*/) const noexcept {
  Engine::Of(ActiveSession()).request = Request::ReopenMainMenu;
}

Session::Session(ConsoleIo io, Clock clock)
    : console(std::move(io)), generator{1, std::move(clock)}, engine(std::make_unique<Engine>()) {}

Session::~Session() {
  CloseAllScreens(*this);
}

Session& ActiveSession() {
  if (active == nullptr) {
    static_cast<void>(
        std::fputs("orvanell: a screen, a read or a write ran outside a run\n", stderr));
    std::abort();
  }
  return *active;
}

ConsoleChannel& ActiveConsole() {
  return ActiveSession().console;
}

OperandGenerator& ActiveGenerator() {
  return ActiveSession().generator;
}

SessionScope::SessionScope(Session& session) : previous(std::exchange(active, &session)) {}

SessionScope::~SessionScope() {
  active = previous;
}

bool StartRun(Session& session) {
  return StartRun(session, MainMenu());
}

bool StartRun(Session& session, Screen first) {
  if (Started(session) || Playing(session)) return false;
  OpenFirst(session, std::move(first));
  PlayOn(session);
  return true;
}

std::span<char> InputSpace(Session& session) {
  // A read waits only once every byte handed over before has been taken.
  if (Engine::Of(session).ended || session.console.waiting.read == nullptr || Playing(session))
    return {};
  return {session.console.input.get(), InputBlockSize};
}

bool ContinueRun(Session& session, std::size_t count) {
  const std::span<char> space = InputSpace(session);
  if (space.empty() || count > space.size()) return false;
  ConsoleChannel& channel = session.console;
  const WaitingRead waiting = channel.waiting;
  channel.next = 0;
  channel.end = count;
  if (count == 0) channel.inputEnded = true;
  if (!waiting.advance(waiting.read, channel)) return true;
  channel.waiting = {};
  PlayOn(session);
  return true;
}

bool RunEnded(const Session& session) {
  return Engine::Of(session).ended;
}

int RunStatus(const Session& session) {
  return Engine::Of(session).status;
}

bool FlushBetweenSteps(Session& session) {
  // The writer may call back in: as while the game plays, it is refused.
  if (Playing(session)) return false;
  const SessionScope scope(session);
  WritePendingOutput(session.console);
  return true;
}

int PlayToEnd(Session& session) {
  // Before the start, or from the writer while the game plays, no read waits
  // that could take input, and the loop below would never end.
  if (!Started(session) || Playing(session)) return -1;
  const Engine& engine = Engine::Of(session);
  ConsoleChannel& channel = session.console;
  while (!engine.ended) {
    // The prompt must be on screen before the player types, but input that is
    // already there needs no write per prompt.
    if (!channel.io.inputReady()) FlushBetweenSteps(session);
    const std::span<char> space = InputSpace(session);
    // A binding that claims more bytes than it was given room for is broken:
    // its input has ended, as after a read error.
    if (!ContinueRun(session, channel.io.read(space.data(), space.size()))) ContinueRun(session, 0);
  }
  return engine.status;
}

int RunGame(ConsoleIo io, Clock clock) {
  Session session(std::move(io), std::move(clock));
  StartRun(session);
  return PlayToEnd(session);
}

SessionResult RunSession(std::string_view input, std::int64_t clock) {
  SessionResult result;
  result.status = RunGame(MemoryIo(input, result.output), [clock] { return clock; });
  return result;
}

}  // namespace orvanell
