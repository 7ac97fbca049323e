#include <utility>

#include "help.h"
#include "navigation.h"
#include "session.h"

namespace orvanell {
namespace {

int openScreens = 0;

int PlayFromMainMenu() {
  bool reopened = false;
  for (;;) {
    try {
      MainMenu();
      return reopened ? 1 : 0;
    } catch (const ReopenMainMenu&) {
      reopened = true;
    } catch (const QuitGame&) {
      return 1;
    }
  }
}

}  // namespace

OpenScreen::OpenScreen() {
  if (openScreens == MaxOpenScreens) {
    WriteText(TooDeepMessage);
    throw QuitGame{};
  }
  ++openScreens;
}

OpenScreen::~OpenScreen() {
  --openScreens;
}

int RunGame(ConsoleIo io, Clock clock) {
  OpenConsole(std::move(io));
  ResetOperandGenerator(std::move(clock));
  ResetMenuKey();
  openScreens = 0;
  const int status = PlayFromMainMenu();
  FlushConsole();
  return status;
}

SessionResult RunSession(std::string_view input, std::int64_t clock) {
  SessionResult result;
  result.status = RunGame(MemoryIo(input, result.output), [clock] { return clock; });
  return result;
}

}  // namespace orvanell
