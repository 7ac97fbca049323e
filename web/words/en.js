// The page's own words in English: every question, button, hint and note it
// shows or says beside the game's text, which stays as the game wrote it.
// One file a language, each with these keys; `{name}` marks a value put in,
// and a message with plural forms has one per category of Intl.PluralRules.
(globalThis.pageCatalogues ??= {}).en = {
  // The question, shown large, at each screen.
  'ask.main-menu': 'What shall we play?',
  'ask.game-type': 'One player or two?',
  'ask.help-menu': 'Which tips?',
  'ask.tips.addition': 'Adding tips',
  'ask.tips.subtraction': 'Taking away tips',
  'ask.tips.multiplication': 'Times tips',
  'ask.name': 'Player {player}, what is your name?',
  'ask.continue': 'What next?',
  'ask.exit': 'Leave the game?',

  // The tips, one short sentence a line, with the sums written as the
  // question shows them.
  'tips.addition': 'A number + 0 is the same number.\n7 + 0 = 7\nSee the numbers in your head.\n' +
    'You have 3 apples, and you get 4 more.\nNow you have 7 apples.\n3 + 4 = 7',
  'tips.subtraction': 'A number − 0 is the same number.\n6 − 0 = 6\n' +
    'With two-digit numbers, take away the ones first, then the tens.\n' +
    'When the ones are too few, borrow one ten from the tens.',
  'tips.multiplication': 'A number × 1 is the same number.\n4 × 1 = 4\nA number × 0 is 0.\n4 × 0 = 0\n' +
    'A whole number × 5 ends in 5 or 0.\n3 × 5 = 15\nA whole number × 10 ends in 0.\n6 × 10 = 60\n' +
    'A one-digit number × 11 is that digit twice.\n8 × 11 = 88\n' +
    'Add up the digits of 9 × a number up to 10: you get 9.\n9 × 2 = 18, and 1 + 8 = 9\n9 × 5 = 45, and 4 + 5 = 9',

  // The choices, by screen and key.
  'choice.main-menu.1': 'Addition',
  'choice.main-menu.2': 'Subtraction',
  'choice.main-menu.3': 'Multiplication',
  'choice.main-menu.4': 'Help and tips',
  'choice.main-menu.5': 'Exit',
  'choice.game-type.1': 'One player',
  'choice.game-type.2': 'Two players',
  'choice.help-menu.1': 'Adding tips',
  'choice.help-menu.2': 'Taking away tips',
  'choice.help-menu.3': 'Times tips',
  'choice.help-menu.4': 'Main menu',
  'choice.tips.b': 'Back',
  'choice.tips.x': 'Main menu',
  'choice.continue.1': 'Main menu',
  'choice.continue.2': 'Quit',
  'choice.exit.y': 'Yes, leave',
  'choice.exit.n': 'No, stay',

  // What the game judged.
  'verdict.right': 'Right!',
  'verdict.wrong': 'Not this time',
  'verdict.answer': 'The answer is {answer}',
  'tries-left': { one: '{count} try left', other: '{count} tries left' },
  'ended.points': { one: 'You got {count} point', other: 'You got {count} points' },
  'ended.winner': '{name} wins!',
  'ended.neither': 'Nobody got it this time',
  'ended': 'The game has ended.',
  'again': 'Play again',

  // Hints beside the line, when something typed can't be sent.
  'hint.name': 'A name is one word, with no spaces.',
  'hint.number': 'Only numbers here.',
  'hint.key': 'Choose one of the buttons.',
  'instructions': 'Type your answer and press Enter. Backspace erases.',

  // Notes.
  'note.no-voice': "This device has no voice to read with. A voice can be added in the device's settings.",
  'note.no-voice.language': "This device has no English voice. A voice can be added in the device's settings.",
  'note.cannot-run': "This browser can't run Orvanell. Updating the browser, or opening the page in another one, will let you play.",

  // The tools' names, for those who can't see their symbols.
  'tool.smaller': 'Smaller text',
  'tool.larger': 'Larger text',
  'tool.keypad': 'Keypad',
  'tool.keyboard': 'Keyboard',
  'tool.read-aloud': 'Read aloud',
  'tool.say-again': 'Say it again',
  'tool.language': 'Language',
  'key.backspace': 'Backspace',
  'key.enter': 'Enter',
  'log': 'The game',
  'choices': 'Choices',

  // Said aloud, for a child who can't read yet: short, in whole sentences,
  // each choice named by the picture on its button where the picture is all
  // a child can match. A list's items come between 'say.list.between', and
  // the list ends as 'say.list' ends it.
  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'What shall we play?',
  'say.ask.game-type': 'One player or two?',
  'say.ask.help-menu': 'Which tips?',
  'say.ask.name': 'Player {player}, what is your name?',
  'say.ask.exit': 'Leave the game?',
  'say.choice.main-menu.1': 'plus',
  'say.choice.main-menu.2': 'minus',
  'say.choice.main-menu.3': 'times',
  'say.choice.main-menu.4': 'the question mark: help',
  'say.choice.main-menu.5': 'the door: exit',
  'say.choice.game-type.1': 'one person',
  'say.choice.game-type.2': 'two people',
  'say.choice.help-menu.1': 'plus',
  'say.choice.help-menu.2': 'minus',
  'say.choice.help-menu.3': 'times',
  'say.choice.help-menu.4': 'the house: main menu',
  'say.choice.tips.b': 'the arrow back: back',
  'say.choice.tips.x': 'the house: main menu',
  'say.choice.continue.1': 'the house: main menu',
  'say.choice.continue.2': 'the door: quit',
  'say.choice.exit.y': 'the door: yes',
  'say.choice.exit.n': 'the arrow back: no',
  'say.operator.addition': 'plus',
  'say.operator.subtraction': 'minus',
  'say.operator.multiplication': 'times',
  'say.sum': '{first} {operator} {second} equals?',
  'say.turn': '{name}: {sum}',
  'say.right': 'Right!',
  'say.wrong': 'Not this time.',
  'say.answer': 'It was {answer}.',
  'say.missed': 'Good try! You will get the next one.',
  'say.how-to-answer': 'Tap the numbers, then the green button.',
  'say.points': { one: 'You got {count} point.', other: 'You got {count} points.' },
  'say.winner': '{name} wins!',
  'say.neither': 'Nobody won.',
  'say.ended': 'The game is over. To play again, tap the green button.',
};
