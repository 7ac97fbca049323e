// What the navigation screens share with the run's entry and nobody else.
#pragma once

namespace orvanell {

// Thrown by the continue prompt's choice 1. Nothing beneath that prompt ever
// runs again (the run quits once the main menu it opens returns), so the entry
// opens that main menu itself: a long session then runs in constant stack.
struct ReopenMainMenu {};

}  // namespace orvanell
