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
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

#include "navigation.h"

namespace orvanell {
namespace {

thread_local Session* active = nullptr;
// Sessions may be played side by side on several threads.
std::atomic<int> liveScreens = 0;

bool Playing(const Session& session) {
  return active == &session;
}

void CloseAllScreens(Session& session) {
  for (Screen::Handle screen = session.innermost; screen;) {
    const Screen::Handle caller = screen.promise().caller;
    screen.destroy();
    screen = caller;
  }
  session.innermost = {};
  session.openScreens = 0;
  session.console.waiting = {};
}

void OpenFirst(Session& session, Screen first) {
  session.innermost = first.Release();
  session.openScreens = 1;
}

void End(Session& session, int status) {
  FlushConsole(session.console);
  session.ended = true;
  session.status = status;
}

// The trampoline: resumes the innermost screen, again and again as screens
// open and close, until a read waits for input or the run ends.
void PlayOn(Session& session) {
  const SessionScope scope(session);
  for (;;) {
    session.innermost.resume();
    switch (std::exchange(session.request, Session::Request::None)) {
      case Session::Request::Quit:
        CloseAllScreens(session);
        End(session, 1);
        return;
      case Session::Request::ReopenMainMenu:
        CloseAllScreens(session);
        session.reopened = true;
        OpenFirst(session, MainMenu());
        continue;
      case Session::Request::None:
        break;
    }
    if (!session.innermost) {
      End(session, session.reopened ? 1 : 0);
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
  Session& session = ActiveSession();
  if (session.openScreens == MaxOpenScreens) {
    // Emscripten's libc++ destroys a coroutine only through a handle that is
    // not const.
    Release().destroy();
    WriteText(TooDeepMessage);
    session.request = Session::Request::Quit;
    return;
  }
  ++session.openScreens;
  const Handle opening = Release();
  opening.promise().caller = caller;
  session.innermost = opening;
}

void Screen::Finish::await_suspend(Handle finished) const noexcept {
  Session& session = ActiveSession();
  session.innermost = finished.promise().caller;
  // Suspended at its end, the frame may go: nothing of it runs again.
  finished.destroy();
  --session.openScreens;
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
  ActiveSession().request = Session::Request::Quit;
}

void ReopenMainMenu::await_suspend(Screen::Handle /*reopening*/) const noexcept {
  ActiveSession().request = Session::Request::ReopenMainMenu;
}

Session::Session(ConsoleIo io, Clock clock)
    : console(std::move(io)), generator{1, std::move(clock)} {}

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
  if (session.innermost || session.ended || Playing(session)) return false;
  OpenFirst(session, std::move(first));
  PlayOn(session);
  return true;
}

std::span<char> InputSpace(Session& session) {
  // A read waits only once every byte handed over before has been taken.
  if (session.ended || session.console.waiting.read == nullptr || Playing(session)) return {};
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
  return session.ended;
}

int RunStatus(const Session& session) {
  return session.status;
}

bool FlushConsole(Session& session) {
  // The writer may call back in: as while the game plays, it is refused.
  if (Playing(session)) return false;
  const SessionScope scope(session);
  FlushConsole(session.console);
  return true;
}

int PlayToEnd(Session& session) {
  ConsoleChannel& channel = session.console;
  while (!session.ended) {
    // The prompt must be on screen before the player types, but input that is
    // already there needs no write per prompt.
    if (!channel.io.inputReady()) FlushConsole(session);
    const std::span<char> space = InputSpace(session);
    // A binding that claims more bytes than it was given room for is broken:
    // its input has ended, as after a read error.
    if (!ContinueRun(session, channel.io.read(space.data(), space.size()))) ContinueRun(session, 0);
  }
  return session.status;
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
