// Les mots de la page en français, pour un enfant de cinq ans : courts et
// simples. Les clés et les `{name}` sont ceux de en.js ; une espace
// insécable (\u00a0) précède « ? » et « ! ».
(globalThis.pageCatalogues ??= {}).fr = {
  'ask.main-menu': 'On joue à quoi\u00a0?',
  'ask.game-type': 'Un joueur ou deux\u00a0?',
  'ask.help-menu': 'Quelles astuces\u00a0?',
  'ask.tips.addition': 'Astuces pour additionner',
  'ask.tips.subtraction': 'Astuces pour soustraire',
  'ask.tips.multiplication': 'Astuces pour multiplier',
  'ask.name': 'Tu es le numéro {player}. Comment tu t’appelles\u00a0?',
  'ask.continue': 'Et maintenant\u00a0?',
  'ask.exit': 'Quitter le jeu\u00a0?',

  'choice.main-menu.1': 'Additions',
  'choice.main-menu.2': 'Soustractions',
  'choice.main-menu.3': 'Multiplications',
  'choice.main-menu.4': 'Aide et astuces',
  'choice.main-menu.5': 'Sortir',
  'choice.game-type.1': 'Un joueur',
  'choice.game-type.2': 'Deux joueurs',
  'choice.help-menu.1': 'Astuces pour additionner',
  'choice.help-menu.2': 'Astuces pour soustraire',
  'choice.help-menu.3': 'Astuces pour multiplier',
  'choice.help-menu.4': 'Menu principal',
  'choice.tips.b': 'Retour',
  'choice.tips.x': 'Menu principal',
  'tips.more': 'D’autres astuces',
  'choice.continue.1': 'Menu principal',
  'choice.continue.2': 'Arrêter',
  'choice.exit.y': 'Oui, je pars',
  'choice.exit.n': 'Non, je reste',

  'verdict.right': 'Bravo\u00a0!',
  'verdict.wrong': 'Pas cette fois',
  'verdict.answer': 'La réponse est {answer}',
  'tries-left': { one: 'Encore {count} essai', many: 'Encore {count} essais', other: 'Encore {count} essais' },
  'ended.points': { one: 'Tu as gagné {count} point', many: 'Tu as gagné {count} points', other: 'Tu as gagné {count} points' },
  'ended.winner': '{name} a gagné\u00a0!',
  'ended.neither': 'Personne n’a trouvé cette fois',
  'ended': 'La partie est finie.',
  'again': 'Rejouer',

  'hint.name': 'Écris ton prénom, puis appuie sur Entrée.',
  'hint.number': 'Ici, seulement des chiffres.',
  'hint.number.long': 'Pas plus de neuf chiffres.',
  'hint.key': 'Appuie sur un des boutons.',
  'instructions': 'Écris ta réponse et appuie sur Entrée. La touche Retour arrière efface.',

  'note.no-voice': 'Cet appareil n’a pas de voix pour lire. On peut en ajouter une dans Réglages ou Paramètres › Accessibilité, sous «\u00a0Synthèse vocale\u00a0» ou «\u00a0Contenu énoncé\u00a0».',
  'note.no-voice.language': 'Cet appareil n’a pas de voix française. On peut en ajouter une dans Réglages ou Paramètres › Accessibilité, sous «\u00a0Synthèse vocale\u00a0» ou «\u00a0Contenu énoncé\u00a0».',
  'note.own-voice': 'En attendant, la page lit avec sa propre voix, plus simple\u00a0; une voix ajoutée à l’appareil sonne mieux.',
  'note.cannot-run': 'Ce navigateur ne peut pas lancer Orvanell. Pour jouer, il faut le mettre à jour ou ouvrir la page dans un autre navigateur.',

  'tool.smaller': 'Texte plus petit',
  'tool.larger': 'Texte plus grand',
  'tool.keypad': 'Pavé numérique',
  'tool.keyboard': 'Clavier',
  'tool.read-aloud': 'Lire à voix haute',
  'tool.say-again': 'Répéter',
  'tool.language': 'Langue',
  'key.backspace': 'Effacer',
  'key.enter': 'Entrée',
  'log': 'Le jeu',
  'choices': 'Choix',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'On joue à quoi\u00a0?',
  'say.ask.game-type': 'Un joueur ou deux\u00a0?',
  'say.ask.help-menu': 'Quelles astuces\u00a0?',
  'say.ask.name': 'Tu es le numéro {player}. Comment tu t’appelles\u00a0?',
  'say.ask.exit': 'Quitter le jeu\u00a0?',
  'say.choice.main-menu.1': 'plus',
  'say.choice.main-menu.2': 'moins',
  'say.choice.main-menu.3': 'fois',
  'say.choice.main-menu.4': 'point d’interrogation\u00a0: aide',
  'say.choice.main-menu.5': 'porte\u00a0: sortir',
  'say.choice.game-type.1': 'une personne',
  'say.choice.game-type.2': 'deux personnes',
  'say.choice.help-menu.1': 'plus',
  'say.choice.help-menu.2': 'moins',
  'say.choice.help-menu.3': 'fois',
  'say.choice.help-menu.4': 'maison\u00a0: menu principal',
  'say.choice.tips.b': 'flèche\u00a0: retour',
  'say.choice.tips.x': 'maison\u00a0: menu principal',
  'say.choice.continue.1': 'maison\u00a0: menu principal',
  'say.choice.continue.2': 'porte\u00a0: arrêter',
  'say.choice.exit.y': 'porte\u00a0: oui',
  'say.choice.exit.n': 'flèche\u00a0: non',
  'say.operator.addition': 'plus',
  'say.operator.subtraction': 'moins',
  'say.operator.multiplication': 'fois',
  'say.equals': 'font',
  'say.sum': 'Combien font {first} {operator} {second}\u00a0?',
  'say.turn': '{name}\u00a0: {sum}',
  'say.right': 'Bravo\u00a0!',
  'say.wrong': 'Pas cette fois.',
  'say.answer': 'La réponse était {answer}.',
  'say.points': { one: 'Tu as gagné {count} point.', many: 'Tu as gagné {count} points.', other: 'Tu as gagné {count} points.' },
  'say.winner': '{name} a gagné\u00a0!',
  'say.neither': 'Personne n’a gagné.',
  'say.ended': 'La partie est finie. Pour rejouer, appuie sur le bouton vert.',
  'say.how-to-answer': 'Appuie sur les chiffres, puis sur le bouton vert.',
  'say.how-to-answer.keyboard': 'Écris le nombre, puis appuie sur Entrée.',
  'say.missed': 'Bien essayé\u00a0! Tu trouveras la prochaine fois\u00a0!',

  'tips.addition': 'Quand tu ajoutes 0, le nombre ne change pas\u00a0: 7 + 0 = 7.\n' +
    'Essaie de voir les nombres dans ta tête.\n' +
    'Tu as 3 pommes, et on t’en donne 4 de plus.\n' +
    '3 + 4 = 7\u00a0: maintenant, tu as 7 pommes\u00a0!',
  'tips.subtraction': 'Quand tu enlèves 0, le nombre ne change pas\u00a0: 6 − 0 = 6.\n' +
    'Avec des nombres à deux chiffres, enlève d’abord les unités, puis les dizaines.\n' +
    'Pas assez d’unités dans le premier nombre\u00a0? Casse une dizaine\u00a0: ça fait 10 unités de plus.',
  'tips.multiplication': 'Un nombre fois 1 ne change pas\u00a0: 4 × 1 = 4.\n' +
    'Un nombre fois 0 fait 0\u00a0: 4 × 0 = 0.\n' +
    'Un nombre fois 5 finit par 5 ou par 0\u00a0: 3 × 5 = 15.\n' +
    'Un nombre fois 10 prend un 0 à la fin\u00a0: 6 × 10 = 60.\n' +
    'Un nombre à un chiffre fois 11 s’écrit avec ce chiffre deux fois\u00a0: 8 × 11 = 88.\n' +
    'De 9 × 1 à 9 × 10, la somme des chiffres du résultat fait 9.\n' +
    '9 × 2 = 18, et 1 + 8 = 9.\n' +
    '9 × 5 = 45, et 4 + 5 = 9.\n' +
    'La table de Pythagore montre tous les résultats\u00a0: imprime-la et utilise-la\u00a0!',
};
