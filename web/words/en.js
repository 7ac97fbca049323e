// The page's own words in English: every question, button, hint and note it
// shows or says beside the game's text, which stays as the game wrote it.
// One file a language, each with these keys; `{name}` marks a value put in,
// and a message with plural forms has one per category of Intl.PluralRules.
(globalThis.pageCatalogues ??= {}).en = {
  // The question, shown large, at each screen.
  'ask.main-menu': 'What shall we play?',
  'ask.game-type': 'One player or two?',
  'ask.help-menu': 'Which tips?',
  'ask.tips.addition': 'Tips for adding',
  'ask.tips.subtraction': 'Tips for taking away',
  'ask.tips.multiplication': 'Tips for times',
  'ask.name': 'You are player {player}. What is your name?',
  'ask.continue': 'What next?',
  'ask.exit': 'Leave the game?',

  // The choices, by screen and key.
  'choice.main-menu.1': 'Addition',
  'choice.main-menu.2': 'Subtraction',
  'choice.main-menu.3': 'Multiplication',
  'choice.main-menu.4': 'Help and tips',
  'choice.main-menu.5': 'Leave',
  'choice.game-type.1': 'One player',
  'choice.game-type.2': 'Two players',
  'choice.help-menu.1': 'Tips for adding',
  'choice.help-menu.2': 'Tips for taking away',
  'choice.help-menu.3': 'Tips for times',
  'choice.help-menu.4': 'Main menu',
  'choice.tips.b': 'Back',
  'choice.tips.x': 'Main menu',
  'tips.more': 'More tips',
  'choice.continue.1': 'Main menu',
  'choice.continue.2': 'Leave',
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
  'ended': 'The game is over.',
  'again': 'Play again',

  // Hints beside the line, when something typed can't be sent.
  'hint.name': 'Type your name, then press Enter.',
  'hint.number': 'Only numbers here.',
  'hint.number.long': 'That number is too long.',
  'hint.key': 'Choose one of the buttons.',
  'instructions': 'Type your answer and press Enter. Backspace erases.',

  // Notes.
  'note.no-voice': "This device has no voice to read with. You can add one in the device's Settings › Accessibility, under Text-to-speech, Speech or Spoken Content.",
  'note.no-voice.language': "This device has no English voice. You can add one in the device's Settings › Accessibility, under Text-to-speech, Speech or Spoken Content.",
  'note.own-voice': 'For now the page reads with a simpler voice of its own; one added to the device sounds better.',
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
  // the list ends as 'say.list' ends it. 'say.equals' is "=" in a tip said,
  // and how to answer is said for a touch screen or, '.keyboard', a keyboard.
  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'What shall we play?',
  'say.ask.game-type': 'One player or two?',
  'say.ask.help-menu': 'Which tips?',
  'say.ask.name': 'You are player {player}. What is your name?',
  'say.ask.exit': 'Leave the game?',
  'say.choice.main-menu.1': 'plus',
  'say.choice.main-menu.2': 'minus',
  'say.choice.main-menu.3': 'times',
  'say.choice.main-menu.4': 'question mark: help',
  'say.choice.main-menu.5': 'door: leave',
  'say.choice.game-type.1': 'one person',
  'say.choice.game-type.2': 'two people',
  'say.choice.help-menu.1': 'plus',
  'say.choice.help-menu.2': 'minus',
  'say.choice.help-menu.3': 'times',
  'say.choice.help-menu.4': 'house: main menu',
  'say.choice.tips.b': 'arrow: back',
  'say.choice.tips.x': 'house: main menu',
  'say.choice.continue.1': 'house: main menu',
  'say.choice.continue.2': 'door: leave',
  'say.choice.exit.y': 'door: yes',
  'say.choice.exit.n': 'arrow: no',
  'say.operator.addition': 'plus',
  'say.operator.subtraction': 'minus',
  'say.operator.multiplication': 'times',
  'say.equals': 'is',
  'say.sum': 'What is {first} {operator} {second}?',
  'say.turn': '{name}: {sum}',
  'say.right': 'Right!',
  'say.wrong': 'Not this time.',
  'say.answer': 'The answer was {answer}.',
  'say.points': { one: 'You got {count} point.', other: 'You got {count} points.' },
  'say.winner': '{name} wins!',
  'say.neither': 'Nobody won.',
  'say.ended': 'The game is over. To play again, tap the green button.',
  'say.how-to-answer': 'Tap the numbers, then the green button.',
  'say.how-to-answer.keyboard': 'Type the number, then press Enter.',
  'say.missed': "Good try! You'll get the next one!",

  // Each tips screen's tips, shown and said in place of the game's English:
  // a short sentence a line, for a child of five to nine, with the game's
  // examples, each sum written as the page's question writes one.
  'tips.addition': 'Add 0 and a number stays the same: 7 + 0 = 7.\n' +
    'Try to see the numbers in your head.\n' +
    'You have 3 apples, and you get 4 more.\n' +
    '3 + 4 = 7: now you have 7 apples!',
  'tips.subtraction': 'Take away 0 and a number stays the same: 6 − 0 = 6.\n' +
    'With two-digit numbers, take away the ones first, then the tens.\n' +
    'Too few ones in the first number? Swap 1 ten for 10 ones.',
  'tips.multiplication': 'A number times 1 stays the same: 4 × 1 = 4.\n' +
    'A number times 0 is 0: 4 × 0 = 0.\n' +
    'A number times 5 ends in 5 or 0: 3 × 5 = 15.\n' +
    'A number times 10 gets a 0 on the end: 6 × 10 = 60.\n' +
    'A one-digit number times 11 is written with that digit twice: 8 × 11 = 88.\n' +
    'From 9 × 1 to 9 × 10, the digits of the answer add up to 9.\n' +
    '9 × 2 = 18, and 1 + 8 = 9.\n' +
    '9 × 5 = 45, and 4 + 5 = 9.\n' +
    'A times-table grid shows all the answers: print one out and use it!',
};
