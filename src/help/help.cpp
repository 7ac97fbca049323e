#include "help.h"

#include "navigation.h"

namespace orvanell {
namespace {

// Shared by the three tips screens for the whole run: a key typed on a deeper
// tips screen steers a shallower one once control comes back to it.
char menuKey = '\0';

// Every tips screen ends the same way. The four tests are separate on purpose:
// each sees `menuKey` as the screens opened by the one before it left it.
void AskWhereToGo() {
  WriteText("Press b to go back to the previous menu\n");
  WriteText("Press x to go back to the main menu\n");
  if (const auto key = ReadKey()) menuKey = *key;
  if (menuKey == 'B') HelpMenu();
  if (menuKey == 'b') HelpMenu();
  if (menuKey == 'X') MainMenu();
  if (menuKey == 'x') MainMenu();
  WriteText(InvalidOptionMessage);
}

}  // namespace

void ResetMenuKey() {
  menuKey = '\0';
}

void HelpMenu() {
  const OpenScreen screen;
  WriteText("Welcome to HELP\n");
  WriteText("Here you will find answers to your common questions.\n");
  WriteText("Plus get math tips\n");
  WriteText("1. Addition Tips\n");
  WriteText("2. Subtraction Tips\n");
  WriteText("3. Multiplication Tips\n");
  WriteText("4. Exit\n");
  switch (ReadNumber().value_or(0)) {
    case 1:
      AdditionTips();
      break;
    case 2:
      SubtractionTips();
      break;
    case 3:
      MultiplicationTips();
      break;
    case 4:
      MainMenu();
      break;
    default:
      WriteText(InvalidOptionMessage);
  }
}

void AdditionTips() {
  const OpenScreen screen;
  WriteText("Addition is very easy if you remember these rules\n");
  WriteText("\t\t1. Anything + 0 is the same number\n");
  WriteText("\t\t ex. 7 + 0 = 7");
  WriteChar('\n');
  WriteText("HINT! When doing addition try to see in your head the numbers\n");
  WriteText("this really helps!\n");
  WriteChar('\n');
  WriteText("\tex. if the problem is 3 + 4 = ?\n");
  WriteText("\tthink to your self if i have 3 apples and add 4 more\n");
  WriteText("\thow many apples would I have all together?  The answer is 7!\n");
  AskWhereToGo();
}

void SubtractionTips() {
  const OpenScreen screen;
  WriteText("Subtraction can be very easy just keep these rules in mind\n");
  WriteText("      1. Any number - 0 is the same number\n");
  WriteText("\t\tex. 6 - 0 = 6");
  WriteChar('\n');
  WriteText("\t   2. When subtracting two two digit numbers, remember to carry the one\n");
  WriteText("\t   from the first number\n");
  AskWhereToGo();
}

void MultiplicationTips() {
  const OpenScreen screen;
  WriteText("Multiplication is easy if you keep thes rules in mind\n");
  WriteText("\t   1.  Any number times 1 is the same number\n");
  WriteText("\t\tex.  4 x 1 = 4");
  WriteChar('\n');
  WriteText("\t   2.  Any number times 0 is 0\n");
  WriteText("\t\tex.  4 x 0 = 0");
  WriteChar('\n');
  WriteText("\t   3.  Any number times 5 ends in a 5 or a 0\n");
  WriteText("\t\tex.  3 x 5 = 15");
  WriteChar('\n');
  WriteText("\t\tex.  6 x 10 = 60");
  WriteChar('\n');
  WriteText("\t   4.  Any number times 11 is the same number twice.\n");
  WriteText("\t\tex.  8 x 11 = 88");
  WriteChar('\n');
  WriteText("\t   5.  When you multiply any number 9,\n");
  WriteText("          if you add the answer together you get 9.\n");
  WriteText("\t\tex. 9 x 2 = 18, 1 + 8 = 9!\n");
  WriteText("\t\tex. 9 x 5 = 45, 4 + 5 = 9!\n");
  WriteText("The Zorvicade is the best way to visualize and learn multiplication\n");
  WriteText("Print it out and use it\n");
  AskWhereToGo();
}

}  // namespace orvanell
