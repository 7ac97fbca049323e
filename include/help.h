// The help menu and its three screens of arithmetic tips.
#pragma once

namespace orvanell {

class Screen;

// What the help screens keep for a whole run, in its `Session`.
struct HelpState {
  // The key last typed on any tips screen, which all three share: see
  // src/help/help.cpp.
  char menuKey = '\0';
};

Screen HelpMenu();
Screen AdditionTips();
Screen SubtractionTips();
Screen MultiplicationTips();

}  // namespace orvanell
