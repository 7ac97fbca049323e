// Die Wörter der Seite auf Deutsch, für ein Kind von fünf Jahren: kurz und
// einfach. Schlüssel und `{name}` wie in en.js.
(globalThis.pageCatalogues ??= {}).de = {
  'ask.main-menu': 'Was spielen wir?',
  'ask.game-type': 'Ein Spieler oder zwei?',
  'ask.help-menu': 'Welche Tipps?',
  'ask.tips.addition': 'Tipps für Plusaufgaben',
  'ask.tips.subtraction': 'Tipps für Minusaufgaben',
  'ask.tips.multiplication': 'Tipps für Malaufgaben',
  'ask.name': 'Du bist Nummer {player}. Wie heißt du?',
  'ask.continue': 'Und jetzt?',
  'ask.exit': 'Spiel beenden?',

  'choice.main-menu.1': 'Plusaufgaben',
  'choice.main-menu.2': 'Minusaufgaben',
  'choice.main-menu.3': 'Malaufgaben',
  'choice.main-menu.4': 'Hilfe und Tipps',
  'choice.main-menu.5': 'Beenden',
  'choice.game-type.1': 'Ein Spieler',
  'choice.game-type.2': 'Zwei Spieler',
  'choice.help-menu.1': 'Tipps für Plusaufgaben',
  'choice.help-menu.2': 'Tipps für Minusaufgaben',
  'choice.help-menu.3': 'Tipps für Malaufgaben',
  'choice.help-menu.4': 'Hauptmenü',
  'choice.tips.b': 'Zurück',
  'choice.tips.x': 'Hauptmenü',
  'choice.continue.1': 'Hauptmenü',
  'choice.continue.2': 'Aufhören',
  'choice.exit.y': 'Ja, aufhören',
  'choice.exit.n': 'Nein, weiterspielen',

  'verdict.right': 'Richtig!',
  'verdict.wrong': 'Diesmal nicht',
  'verdict.answer': 'Die Antwort ist {answer}',
  'tries-left': { one: 'Noch {count} Versuch', other: 'Noch {count} Versuche' },
  'ended.points': { one: 'Du hast {count} Punkt', other: 'Du hast {count} Punkte' },
  'ended.winner': '{name} gewinnt!',
  'ended.neither': 'Diesmal hat es keiner geschafft',
  'ended': 'Das Spiel ist aus.',
  'again': 'Nochmal spielen',

  'hint.name': 'Schreib deinen Namen und drück Enter (↵).',
  'hint.number': 'Hier gehen nur Zahlen.',
  'hint.number.long': 'Höchstens neun Ziffern.',
  'hint.key': 'Tippe auf einen der Knöpfe.',
  'instructions': 'Schreib deine Antwort und drück Enter (↵). Die Löschtaste (←) löscht.',

  'note.no-voice': 'Dieses Gerät hat keine Stimme zum Vorlesen. In den Einstellungen › Bedienungshilfen lässt sich eine hinzufügen, unter „Text-in-Sprache-Ausgabe“ oder „Gesprochene Inhalte“.',
  'note.no-voice.language': 'Dieses Gerät hat keine deutsche Stimme. In den Einstellungen › Bedienungshilfen lässt sich eine hinzufügen, unter „Text-in-Sprache-Ausgabe“ oder „Gesprochene Inhalte“.',
  'note.own-voice': 'Bis dahin liest die Seite mit ihrer eigenen, einfacheren Stimme; eine Stimme auf dem Gerät klingt besser.',
  'note.cannot-run': 'Dieser Browser kann Orvanell nicht starten. Mit einem aktuellen oder einem anderen Browser lässt es sich spielen.',

  'tool.smaller': 'Kleinere Schrift',
  'tool.larger': 'Größere Schrift',
  'tool.keypad': 'Zahlentasten',
  'tool.keyboard': 'Tastatur',
  'tool.read-aloud': 'Vorlesen',
  'tool.say-again': 'Nochmal sagen',
  'tool.language': 'Sprache',
  'key.backspace': 'Löschen',
  'key.enter': 'Eingabe',
  'log': 'Das Spiel',
  'choices': 'Auswahl',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'Was spielen wir?',
  'say.ask.game-type': 'Ein Spieler oder zwei?',
  'say.ask.help-menu': 'Welche Tipps?',
  'say.ask.name': 'Du bist Nummer {player}. Wie heißt du?',
  'say.ask.exit': 'Spiel beenden?',
  'say.choice.main-menu.1': 'plus',
  'say.choice.main-menu.2': 'minus',
  'say.choice.main-menu.3': 'mal',
  'say.choice.main-menu.4': 'Fragezeichen: Hilfe',
  'say.choice.main-menu.5': 'Tür: beenden',
  'say.choice.game-type.1': 'ein Kind',
  'say.choice.game-type.2': 'zwei Kinder',
  'say.choice.help-menu.1': 'plus',
  'say.choice.help-menu.2': 'minus',
  'say.choice.help-menu.3': 'mal',
  'say.choice.help-menu.4': 'Haus: Hauptmenü',
  'say.choice.tips.b': 'Pfeil: zurück',
  'say.choice.tips.x': 'Haus: Hauptmenü',
  'say.choice.continue.1': 'Haus: Hauptmenü',
  'say.choice.continue.2': 'Tür: aufhören',
  'say.choice.exit.y': 'Tür: ja',
  'say.choice.exit.n': 'Pfeil: nein',
  'say.operator.addition': 'plus',
  'say.operator.subtraction': 'minus',
  'say.operator.multiplication': 'mal',
  'say.equals': 'ist',
  'say.sum': 'Wie viel ist {first} {operator} {second}?',
  'say.turn': '{name}: {sum}',
  'say.right': 'Richtig!',
  'say.wrong': 'Diesmal nicht.',
  'say.answer': 'Die Antwort war {answer}.',
  'say.points': { one: 'Du hast {count} Punkt.', other: 'Du hast {count} Punkte.' },
  'say.winner': '{name} gewinnt!',
  'say.neither': 'Keiner hat gewonnen.',
  'say.ended': 'Das Spiel ist aus. Willst du nochmal spielen? Tippe auf den grünen Knopf.',
  'say.how-to-answer': 'Tippe auf die Zahlen, dann auf den grünen Knopf.',
  'say.how-to-answer.keyboard': 'Schreib die Zahl und drück dann Enter.',
  'say.missed': 'Gut versucht! Die nächste schaffst du.',

  'tips.addition': 'Plus 0, und die Zahl bleibt gleich: 7 + 0 = 7.\n' +
    'Stell dir die Zahlen im Kopf vor.\n' +
    'Du hast 3 Äpfel und bekommst 4 dazu.\n' +
    '3 + 4 = 7: Jetzt hast du 7 Äpfel!',
  'tips.subtraction': 'Minus 0, und die Zahl bleibt gleich: 6 − 0 = 6.\n' +
    'Bei zweistelligen Zahlen ziehst du erst die Einer ab, dann die Zehner.\n' +
    'Zu wenig Einer in der ersten Zahl? Tausche 1 Zehner in 10 Einer um.',
  'tips.multiplication': 'Eine Zahl mal 1 bleibt gleich: 4 × 1 = 4.\n' +
    'Eine Zahl mal 0 ist 0: 4 × 0 = 0.\n' +
    'Eine Zahl mal 5 endet auf 5 oder 0: 3 × 5 = 15.\n' +
    'Eine Zahl mal 10 bekommt hinten eine 0: 6 × 10 = 60.\n' +
    'Eine einstellige Zahl mal 11 schreibt man mit dieser Ziffer zweimal: 8 × 11 = 88.\n' +
    'Von 9 × 1 bis 9 × 10 ergeben die Ziffern des Ergebnisses zusammen 9.\n' +
    '9 × 2 = 18, und 1 + 8 = 9.\n' +
    '9 × 5 = 45, und 4 + 5 = 9.\n' +
    'Eine Einmaleins-Tabelle zeigt alle Aufgaben: Druck sie aus und übe damit!',
};
