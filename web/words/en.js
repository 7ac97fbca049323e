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
  'note.cannot-run': "This browser can't run Orvanell. Updating the browser, or opening the page in another one, will let you play.",

  // The tools' names, for those who can't see their symbols.
  'tool.smaller': 'Smaller text',
  'tool.larger': 'Larger text',
  'tool.keypad': 'Keypad',
  'tool.keyboard': 'Keyboard',
  'tool.read-aloud': 'Read aloud',
  'tool.say-again': 'Say it again',
  'key.backspace': 'Backspace',
  'key.enter': 'Enter',
  'log': 'The game',
  'choices': 'Choices',
};
