// The help menu and its three screens of arithmetic tips.
#pragma once

#include "navigation.h"

namespace orvanell {

Screen HelpMenu();
Screen AdditionTips();
Screen SubtractionTips();
Screen MultiplicationTips();

}  // namespace orvanell
