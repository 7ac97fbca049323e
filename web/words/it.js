// Le parole della pagina in italiano, per un bambino di cinque anni: brevi e
// semplici. Le chiavi e i `{name}` sono quelli di en.js.
(globalThis.pageCatalogues ??= {}).it = {
  'ask.main-menu': 'A cosa giochiamo?',
  'ask.game-type': 'Un giocatore o due?',
  'ask.help-menu': 'Quali trucchi?',
  'ask.tips.addition': 'Trucchi per le addizioni',
  'ask.tips.subtraction': 'Trucchi per le sottrazioni',
  'ask.tips.multiplication': 'Trucchi per le moltiplicazioni',
  'ask.name': 'Sei il numero {player}. Come ti chiami?',
  'ask.continue': 'E adesso?',
  'ask.exit': 'Uscire dal gioco?',

  'choice.main-menu.1': 'Addizioni',
  'choice.main-menu.2': 'Sottrazioni',
  'choice.main-menu.3': 'Moltiplicazioni',
  'choice.main-menu.4': 'Aiuto e trucchi',
  'choice.main-menu.5': 'Esci',
  'choice.game-type.1': 'Un giocatore',
  'choice.game-type.2': 'Due giocatori',
  'choice.help-menu.1': 'Trucchi per le addizioni',
  'choice.help-menu.2': 'Trucchi per le sottrazioni',
  'choice.help-menu.3': 'Trucchi per le moltiplicazioni',
  'choice.help-menu.4': 'Menu principale',
  'choice.tips.b': 'Indietro',
  'choice.tips.x': 'Menu principale',
  'choice.continue.1': 'Menu principale',
  'choice.continue.2': 'Basta così',
  'choice.exit.y': 'Sì, esco',
  'choice.exit.n': 'No, resto',

  'verdict.right': 'Giusto!',
  'verdict.wrong': 'Stavolta no',
  'verdict.answer': 'La risposta è {answer}',
  'tries-left': { one: 'Ti resta {count} tentativo', many: 'Ti restano {count} tentativi', other: 'Ti restano {count} tentativi' },
  'ended.points': { one: 'Hai fatto {count} punto', many: 'Hai fatto {count} punti', other: 'Hai fatto {count} punti' },
  'ended.winner': 'Vince {name}!',
  'ended.neither': 'Questa volta nessuno ha indovinato',
  'ended': 'La partita è finita.',
  'again': 'Gioca ancora',

  'hint.name': 'Scrivi il tuo nome e premi Invio.',
  'hint.number': 'Qui solo numeri.',
  'hint.number.long': 'Al massimo nove cifre.',
  'hint.key': 'Tocca uno dei pulsanti.',
  'instructions': 'Scrivi la risposta e premi Invio. Il tasto Backspace cancella.',

  'note.no-voice': 'Questo dispositivo non ha una voce per leggere. Se ne può aggiungere una in Impostazioni › Accessibilità, nella sezione «Sintesi vocale» o «Contenuto letto ad alta voce».',
  'note.no-voice.language': 'Questo dispositivo non ha una voce italiana. Se ne può aggiungere una in Impostazioni › Accessibilità, nella sezione «Sintesi vocale» o «Contenuto letto ad alta voce».',
  'note.own-voice': 'Nel frattempo la pagina legge con una sua voce, più semplice; una voce aggiunta al dispositivo suona meglio.',
  'note.cannot-run': 'Questo browser non riesce ad avviare Orvanell. Per giocare, aggiorna il browser o apri la pagina con un altro.',

  'tool.smaller': 'Testo più piccolo',
  'tool.larger': 'Testo più grande',
  'tool.keypad': 'Tastierino',
  'tool.keyboard': 'Tastiera',
  'tool.read-aloud': 'Leggi ad alta voce',
  'tool.say-again': 'Ripeti',
  'tool.language': 'Lingua',
  'key.backspace': 'Cancella',
  'key.enter': 'Invio',
  'log': 'Il gioco',
  'choices': 'Scelte',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'A cosa giochiamo?',
  'say.ask.game-type': 'Un giocatore o due?',
  'say.ask.help-menu': 'Quali trucchi?',
  'say.ask.name': 'Sei il numero {player}. Come ti chiami?',
  'say.ask.exit': 'Uscire dal gioco?',
  'say.choice.main-menu.1': 'più',
  'say.choice.main-menu.2': 'meno',
  'say.choice.main-menu.3': 'per',
  'say.choice.main-menu.4': 'punto di domanda: aiuto',
  'say.choice.main-menu.5': 'porta: esci',
  'say.choice.game-type.1': 'una persona',
  'say.choice.game-type.2': 'due persone',
  'say.choice.help-menu.1': 'più',
  'say.choice.help-menu.2': 'meno',
  'say.choice.help-menu.3': 'per',
  'say.choice.help-menu.4': 'casetta: menu principale',
  'say.choice.tips.b': 'freccia: indietro',
  'say.choice.tips.x': 'casetta: menu principale',
  'say.choice.continue.1': 'casetta: menu principale',
  'say.choice.continue.2': 'porta: basta così',
  'say.choice.exit.y': 'porta: sì',
  'say.choice.exit.n': 'freccia: no',
  'say.operator.addition': 'più',
  'say.operator.subtraction': 'meno',
  'say.operator.multiplication': 'per',
  'say.equals': 'fa',
  'say.sum': 'Quanto fa {first} {operator} {second}?',
  'say.turn': '{name}: {sum}',
  'say.right': 'Giusto!',
  'say.wrong': 'Stavolta no.',
  'say.answer': 'La risposta era {answer}.',
  'say.points': { one: 'Hai fatto {count} punto.', many: 'Hai fatto {count} punti.', other: 'Hai fatto {count} punti.' },
  'say.winner': 'Vince {name}!',
  'say.neither': 'Nessuno ha vinto.',
  'say.ended': 'La partita è finita. Per giocare ancora, tocca il pulsante verde.',
  'say.how-to-answer': 'Tocca i numeri e poi il pulsante verde.',
  'say.how-to-answer.keyboard': 'Scrivi il numero e poi premi Invio.',
  'say.missed': 'Bel tentativo! La prossima la indovini.',

  'tips.addition': 'Se aggiungi 0, il numero resta uguale: 7 + 0 = 7.\n' +
    'Prova a vedere i numeri nella tua testa.\n' +
    'Hai 3 mele e te ne danno altre 4.\n' +
    '3 + 4 = 7: adesso hai 7 mele!',
  'tips.subtraction': 'Se togli 0, il numero resta uguale: 6 − 0 = 6.\n' +
    'Con i numeri di due cifre, togli prima le unità, poi le decine.\n' +
    'Non bastano le unità del primo numero? Cambia 1 decina in 10 unità.',
  'tips.multiplication': 'Un numero per 1 resta uguale: 4 × 1 = 4.\n' +
    'Un numero per 0 fa 0: 4 × 0 = 0.\n' +
    'Un numero per 5 finisce con 5 o con 0: 3 × 5 = 15.\n' +
    'Un numero per 10 ha uno 0 in più alla fine: 6 × 10 = 60.\n' +
    'Un numero di una cifra per 11 si scrive con quella cifra due volte: 8 × 11 = 88.\n' +
    'Da 9 × 1 a 9 × 10, le cifre del risultato sommate fanno 9.\n' +
    '9 × 2 = 18, e 1 + 8 = 9.\n' +
    '9 × 5 = 45, e 4 + 5 = 9.\n' +
    'La tavola pitagorica mostra tutti i risultati: stampala e usala!',
};
