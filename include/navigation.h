// The run's entry, the menus that lead to the games, the screens that decide
// whether the run goes on, and the engine that carries the open screens.
//
// Which screen opens which. Every choice opens the next screen inside the
// current one: there is no way back but opening the main menu or the help
// menu afresh, one deeper. When a screen returns, the one that opened it goes
// on with the lines after its `co_await`, so some screens print more after
// coming back. A run ends with 0 when its first main menu returns, and with 1
// when the player quits.
//
//   MainMenu          1-3 GameTypePrompt(kind), 4 HelpMenu, 5 ExitConfirmation;
//                     any other choice: the invalid-option message.
//                     Back from any of them: returns; menus never repeat.
//   GameTypePrompt    1 OnePlayerQuiz, 2 TwoPlayerQuiz. Back: returns.
//   OnePlayerQuiz     a right guess: AwardPoints(attempt); after the fourth
//                     attempt: the answer, then AwardPoints(3). Back: the same
//                     attempt's remaining tests, then the next attempt on the
//                     same problem.
//   AwardPoints       ContinuePrompt. Back: returns.
//   TwoPlayerQuiz     a win: ContinuePrompt; after the fourth round: the bell,
//                     the answer, then ContinuePrompt. Back: the next turn, and
//                     after the fourth round's turns the bell and the answer,
//                     even after a win in that round.
//   ContinuePrompt    1: a fresh main menu in place of every open screen, and
//                     status 1 once it returns; 2: quit. Returns, back into the
//                     game, only on any other choice.
//   ExitConfirmation  y or Y: quit; n or N: MainMenu. Back: returns.
//   HelpMenu          1-3 the tips screens, 4 MainMenu. Back: returns.
//   tips screens      (src/help) B or b: HelpMenu, X or x: MainMenu, tested
//                     one after another on the key all three share. Back: the
//                     next test on that key as it is now, then the
//                     invalid-option message, whatever the key.
//
// Comments marked "Kept on purpose" beside the screens name the behaviours
// that look like mistakes but are the game's own, each with the golden
// transcript (tests/transcripts) that pins it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "console.h"
#include "help.h"
#include "random.h"

namespace orvanell {

enum class ProblemKind : std::uint8_t;

inline constexpr std::string_view InvalidOptionMessage = "Please use one of the given options!\n";

// Screens open inside one another, one deeper with each choice. Past this many
// the run ends with `TooDeepMessage` and status 1. A player meets the bound
// only after some 10,000 menu choices in a row without finishing a game.
//
// Open screens are coroutine frames on the heap, not native stack: measured
// at 330 to 560 bytes of heap a screen with g++ -O3, allocator overhead
// included (`orvanell_bench --benchmark_filter=OpenScreens`), so the bound
// costs at most about 5.5 MiB, and the native stack stays that of one screen
// at any depth.
inline constexpr int MaxOpenScreens = 10000;
inline constexpr std::string_view TooDeepMessage =
    "Too many screens are open, please start the game again.\n";

// A screen: a coroutine that its caller awaits, `co_await HelpMenu();`, and
// that returns to the line after it. Screens never call one another: each
// hop goes back to the driver's loop, which resumes the next. See
// src/navigation/engine.cpp.
//
// A screen reads a choice into a variable before switching on it: g++ 12
// miscompiles a `co_await` inside a `switch` condition.
class [[nodiscard]] Screen {
 public:
  struct promise_type;
  using Handle = co::coroutine_handle<promise_type>;

  // Closes the screen that has finished; the driver then resumes its caller.
  struct Finish {
    bool await_ready() const noexcept { return false; }
    void await_suspend(Handle finished) const noexcept;
    void await_resume() const noexcept {}
  };

  struct promise_type {
    Handle caller;  // none for the run's first screen
    // Counted for `LiveScreens`.
    static void* operator new(std::size_t size);
    static void operator delete(void* frame) noexcept;
    Screen get_return_object() noexcept { return Screen(Handle::from_promise(*this)); }
    co::suspend_always initial_suspend() const noexcept { return {}; }
    Finish final_suspend() const noexcept { return {}; }
    void return_void() const noexcept {}
    // The game throws nothing; a failed allocation ends the process.
    void unhandled_exception() const noexcept;
  };

  Screen(Screen&& other) noexcept;
  Screen& operator=(Screen&&) = delete;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  ~Screen();

  // Opens the screen inside `caller`, for the driver to run next, or ends
  // the run if too many are open.
  bool await_ready() const noexcept { return false; }
  void await_suspend(Handle caller) noexcept;
  void await_resume() const noexcept {}

  // Hands the not yet started screen over to the engine.
  Handle Release() noexcept;

 private:
  explicit Screen(Handle handle) noexcept : handle(handle) {}
  Handle handle;  // owned until it is opened
};

// Ends the run with status 1, closing every open screen: `co_await QuitGame();`.
struct QuitGame {
  bool await_ready() const noexcept { return false; }
  void await_suspend(Screen::Handle quitting) const noexcept;
  void await_resume() const noexcept {}
};

// Closes every open screen and opens a fresh main menu in their place; the
// run ends with status 1 once that menu returns.
struct ReopenMainMenu {
  bool await_ready() const noexcept { return false; }
  void await_suspend(Screen::Handle reopening) const noexcept;
  void await_resume() const noexcept {}
};

// Screens alive in this process, open or not yet opened, each a frame on the
// heap. No run leaves one behind, however long it went on.
int LiveScreens();

Screen MainMenu();
Screen GameTypePrompt(ProblemKind kind);
// After every finished problem, with the game's last judgement and how the
// game ended, for the prompt's record.
Screen ContinuePrompt(const Judgement* judged, Outcome outcome, int points = 0);
Screen ExitConfirmation();

// Everything one run owns. It lives for that run alone, and several can be
// played side by side.
class Session {
 public:
  Session(ConsoleIo io, Clock clock);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  // Closes the screens still open, if the host gives up on a waiting run.
  ~Session();

  ConsoleChannel console;
  OperandGenerator generator;
  HelpState help;

  // The engine's part: which screens are open and how the run stands. It is
  // defined in src/navigation/engine.cpp, and nothing else can reach it, so
  // that no screen can skew the count of open screens or end the run behind
  // the driver's back.
  struct Engine;

 private:
  std::unique_ptr<Engine> engine;
};

// The session whose screens are running. Anywhere else, as in a screen or a
// read started outside a run, the process ends with a message on standard
// error rather than go on without a session.
Session& ActiveSession();

// Makes `session` the active one for as long as it lives.
class SessionScope {
 public:
  explicit SessionScope(Session& session);
  SessionScope(const SessionScope&) = delete;
  SessionScope& operator=(const SessionScope&) = delete;
  ~SessionScope();

 private:
  Session* previous;
};

// Driving a run from a host that must not block, such as a web page.
//
// A call that comes at the wrong time, or with a count the input space cannot
// hold, is refused: it changes nothing and returns false. This in-process
// interface has no error channel of its own, so the host reports a refusal as
// suits it (the web binding writes to standard error). Calls back in from the
// host's writer, while the game is playing, are refused the same way.
//
// Opens `first`, by default the main menu, and plays until a read must wait
// for input, or the run ends. Refused if the session has started a run before.
bool StartRun(Session& session);
bool StartRun(Session& session, Screen first);
// Where the host puts the next input bytes while a read waits; empty at any
// other time.
std::span<char> InputSpace(Session& session);
// `count` bytes were put at the start of `InputSpace`; 0 means the input has
// ended for good. Plays on until the next read that must wait, or the end.
// Refused unless a read waits and `count` is at most the space's size.
bool ContinueRun(Session& session, std::size_t count);
bool RunEnded(const Session& session);
// 0 or 1, once the run has ended.
int RunStatus(const Session& session);
// Shows all pending output: the host's flush, between the calls above. A run
// that stops to wait leaves it pending, so that piped input still makes large
// writes; the host flushes before it really waits. A run that ends has
// flushed it all. Refused while the game is playing, where the console's own
// `WritePendingOutput` is the one that flushes.
bool FlushBetweenSteps(Session& session);

// Plays a started run to its end on the blocking binding; returns the status.
// Refused, returning -1 at once, before the run has started or while the game
// is playing.
int PlayToEnd(Session& session);

// Plays one run on the given channel and clock; returns the exit status.
int RunGame(ConsoleIo io, Clock clock);

struct SessionResult {
  std::string output;
  int status = 0;
};

// Plays one run in memory on the given input and a clock stopped at `clock`.
SessionResult RunSession(std::string_view input, std::int64_t clock);

// Where the game has a window of its own, which would close with the game
// before the player could read its last screen: after each run this line
// waits for Enter, which starts a fresh run.
inline constexpr std::string_view GameEndedLine =
    "The game has ended. Press Enter to play again, or close this window.\n";

// Plays runs on the channel until its input ends, each followed by
// `GameEndedLine`; returns the last run's status.
int PlayInOwnWindow(const ConsoleIo& io, const Clock& clock);

}  // namespace orvanell
