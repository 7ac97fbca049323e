#include "help.h"

#include "navigation.h"
#include "quiz.h"

namespace orvanell {
namespace {

// Kept on purpose (help_addition_back.txt): "your self".
void WriteAdditionTips() {
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
}

void WriteSubtractionTips() {
  WriteText("Subtraction can be very easy just keep these rules in mind\n");
  WriteText("      1. Any number - 0 is the same number\n");
  WriteText("\t\tex. 6 - 0 = 6");
  WriteChar('\n');
  WriteText("\t   2. When subtracting two two digit numbers, remember to carry the one\n");
  WriteText("\t   from the first number\n");
}

// Kept on purpose (help_multiplication_nested_x.txt): "thes rules" and "The
// Zorvicade".
void WriteMultiplicationTips() {
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
}

// A page of tips for one kind of problem, and the way back to a menu. The
// three tips screens differ only in their text.
Screen TipsScreen(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::Addition:
      WriteAdditionTips();
      break;
    case ProblemKind::Subtraction:
      WriteSubtractionTips();
      break;
    case ProblemKind::Multiplication:
      WriteMultiplicationTips();
      break;
  }
  WriteText("Press b to go back to the previous menu\n");
  WriteText("Press x to go back to the main menu\n");
  const Prompt asks{.question = Question::Tips, .kind = kind, .choices = "bx"};
  char& menuKey = ActiveSession().help.menuKey;
  // Kept on purpose (help_input_ends_key_stays_b.txt): once the input has
  // ended the key stays what it was, and steers this screen again.
  if (auto key = co_await ReadKey(asks)) menuKey = *key;
  // Kept on purpose: the four tests are separate, and the key is shared by
  // the three tips screens for the whole run, so each test sees the key as
  // the screens opened by the one before left it. After B, a b typed deeper
  // down opens the help menu a second time (help_capital_b_sees_deeper_b.txt);
  // after b, an x typed deeper down opens the main menu once more
  // (help_multiplication_nested_x.txt).
  if (menuKey == 'B') co_await HelpMenu();
  if (menuKey == 'b') co_await HelpMenu();
  if (menuKey == 'X') co_await MainMenu();
  if (menuKey == 'x') co_await MainMenu();
  // Kept on purpose (help_addition_back.txt): whatever the key, and whatever
  // it opened, the screen ends with the invalid-option message.
  WriteText(InvalidOptionMessage);
}

}  // namespace

// Main menu choice 4: the way to the tips, or back to the main menu.
Screen HelpMenu() {
  WriteText("Welcome to HELP\n");
  WriteText("Here you will find answers to your common questions.\n");
  WriteText("Plus get math tips\n");
  WriteText("1. Addition Tips\n");
  WriteText("2. Subtraction Tips\n");
  WriteText("3. Multiplication Tips\n");
  WriteText("4. Exit\n");
  static constexpr Prompt Asking{.question = Question::HelpMenu, .choices = "1234"};
  const std::int32_t choice = (co_await ReadNumber(Asking)).value_or(0);
  switch (choice) {
    case 1:
      co_await AdditionTips();
      break;
    case 2:
      co_await SubtractionTips();
      break;
    case 3:
      co_await MultiplicationTips();
      break;
    case 4:
      // Kept on purpose (help_exit_option.txt): "4. Exit" opens the main
      // menu, one deeper; it doesn't leave the game.
      co_await MainMenu();
      break;
    default:
      WriteText(InvalidOptionMessage);
  }
}

// One screen for each tips page, as the help menu offers them.
Screen AdditionTips() {
  return TipsScreen(ProblemKind::Addition);
}

Screen SubtractionTips() {
  return TipsScreen(ProblemKind::Subtraction);
}

Screen MultiplicationTips() {
  return TipsScreen(ProblemKind::Multiplication);
}

}  // namespace orvanell
