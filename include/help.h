// The help menu and its three screens of arithmetic tips.
#pragma once

namespace orvanell {

void HelpMenu();
void AdditionTips();
void SubtractionTips();
void MultiplicationTips();

// Forgets the key the tips screens share, as at the start of a run.
void ResetMenuKey();

}  // namespace orvanell
