// As palavras da página em português do Brasil, para uma criança de cinco
// anos: curtas e simples. As chaves e os `{name}` são os de en.js.
(globalThis.pageCatalogues ??= {})['pt-BR'] = {
  'ask.main-menu': 'O que vamos jogar?',
  'ask.game-type': 'Um jogador ou dois?',
  'ask.help-menu': 'Quais dicas?',
  'ask.tips.addition': 'Dicas para somar',
  'ask.tips.subtraction': 'Dicas para subtrair',
  'ask.tips.multiplication': 'Dicas para multiplicar',
  'ask.name': 'Você é o número {player}. Qual é o seu nome?',
  'ask.continue': 'E agora?',
  'ask.exit': 'Sair do jogo?',

  'choice.main-menu.1': 'Somar',
  'choice.main-menu.2': 'Subtrair',
  'choice.main-menu.3': 'Multiplicar',
  'choice.main-menu.4': 'Ajuda e dicas',
  'choice.main-menu.5': 'Sair',
  'choice.game-type.1': 'Um jogador',
  'choice.game-type.2': 'Dois jogadores',
  'choice.help-menu.1': 'Dicas para somar',
  'choice.help-menu.2': 'Dicas para subtrair',
  'choice.help-menu.3': 'Dicas para multiplicar',
  'choice.help-menu.4': 'Menu principal',
  'choice.tips.b': 'Voltar',
  'choice.tips.x': 'Menu principal',
  'choice.continue.1': 'Menu principal',
  'choice.continue.2': 'Parar',
  'choice.exit.y': 'Sim, sair',
  'choice.exit.n': 'Não, quero ficar',

  'verdict.right': 'Muito bem!',
  'verdict.wrong': 'Não foi dessa vez',
  'verdict.answer': 'A resposta é {answer}',
  'tries-left': { one: 'Resta {count} tentativa', many: 'Restam {count} tentativas', other: 'Restam {count} tentativas' },
  'ended.points': { one: 'Você fez {count} ponto', many: 'Você fez {count} pontos', other: 'Você fez {count} pontos' },
  'ended.winner': '{name} ganhou!',
  'ended.neither': 'Ninguém acertou dessa vez',
  'ended': 'O jogo acabou.',
  'again': 'Jogar de novo',

  'hint.name': 'Digite seu nome e aperte Enter.',
  'hint.number': 'Aqui, só números.',
  'hint.number.long': 'No máximo nove algarismos.',
  'hint.key': 'Toque em um dos botões.',
  'instructions': 'Digite sua resposta e aperte Enter. A tecla Backspace apaga.',

  'note.no-voice': 'Este aparelho não tem voz para ler. Dá para adicionar uma em Ajustes ou Configurações › Acessibilidade, em “Conversão de texto em voz” ou “Conteúdo Falado”.',
  'note.no-voice.language': 'Este aparelho não tem voz em português. Dá para adicionar uma em Ajustes ou Configurações › Acessibilidade, em “Conversão de texto em voz” ou “Conteúdo Falado”.',
  'note.own-voice': 'Por enquanto, a página lê com uma voz própria, mais simples; uma voz adicionada ao aparelho soa melhor.',
  'note.cannot-run': 'Este navegador não consegue abrir o Orvanell. Para jogar, atualize o navegador ou abra a página em outro.',

  'tool.smaller': 'Letra menor',
  'tool.larger': 'Letra maior',
  'tool.keypad': 'Teclado de números',
  'tool.keyboard': 'Teclado',
  'tool.read-aloud': 'Ler em voz alta',
  'tool.say-again': 'Repetir',
  'tool.language': 'Idioma',
  'key.backspace': 'Apagar',
  'key.enter': 'Enter',
  'log': 'O jogo',
  'choices': 'Opções',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'O que vamos jogar?',
  'say.ask.game-type': 'Um jogador ou dois?',
  'say.ask.help-menu': 'Quais dicas?',
  'say.ask.name': 'Você é o número {player}. Qual é o seu nome?',
  'say.ask.exit': 'Sair do jogo?',
  'say.choice.main-menu.1': 'mais',
  'say.choice.main-menu.2': 'menos',
  'say.choice.main-menu.3': 'vezes',
  'say.choice.main-menu.4': 'interrogação: ajuda',
  'say.choice.main-menu.5': 'porta: sair',
  'say.choice.game-type.1': 'uma pessoa',
  'say.choice.game-type.2': 'duas pessoas',
  'say.choice.help-menu.1': 'mais',
  'say.choice.help-menu.2': 'menos',
  'say.choice.help-menu.3': 'vezes',
  'say.choice.help-menu.4': 'casinha: menu principal',
  'say.choice.tips.b': 'seta: voltar',
  'say.choice.tips.x': 'casinha: menu principal',
  'say.choice.continue.1': 'casinha: menu principal',
  'say.choice.continue.2': 'porta: parar',
  'say.choice.exit.y': 'porta: sim',
  'say.choice.exit.n': 'seta: não',
  'say.operator.addition': 'mais',
  'say.operator.subtraction': 'menos',
  'say.operator.multiplication': 'vezes',
  'say.equals': 'é',
  'say.sum': 'Quanto é {first} {operator} {second}?',
  'say.turn': '{name}: {sum}',
  'say.right': 'Muito bem!',
  'say.wrong': 'Não foi dessa vez.',
  'say.answer': 'A resposta era {answer}.',
  'say.points': { one: 'Você fez {count} ponto.', many: 'Você fez {count} pontos.', other: 'Você fez {count} pontos.' },
  'say.winner': '{name} ganhou!',
  'say.neither': 'Ninguém ganhou.',
  'say.ended': 'O jogo acabou. Para jogar de novo, toque no botão verde.',
  'say.how-to-answer': 'Toque nos números e depois no botão verde.',
  'say.how-to-answer.keyboard': 'Digite o número e depois aperte Enter.',
  'say.missed': 'Boa tentativa! Você vai acertar a próxima.',

  'tips.addition': 'Somando 0, o número fica igual: 7 + 0 = 7.\n' +
    'Tente imaginar os números na cabeça.\n' +
    'Você tem 3 maçãs e ganha mais 4.\n' +
    '3 + 4 = 7: agora você tem 7 maçãs!',
  'tips.subtraction': 'Tirando 0, o número fica igual: 6 − 0 = 6.\n' +
    'Com números de dois algarismos, tire primeiro as unidades, depois as dezenas.\n' +
    'Faltam unidades no primeiro número? Troque 1 dezena por 10 unidades.',
  'tips.multiplication': 'Um número vezes 1 fica igual: 4 × 1 = 4.\n' +
    'Um número vezes 0 dá 0: 4 × 0 = 0.\n' +
    'Um número vezes 5 termina em 5 ou em 0: 3 × 5 = 15.\n' +
    'Um número vezes 10 ganha um 0 no final: 6 × 10 = 60.\n' +
    'Um número de um algarismo vezes 11 se escreve com esse algarismo duas vezes: 8 × 11 = 88.\n' +
    'De 9 × 1 até 9 × 10, os algarismos do resultado somam 9.\n' +
    '9 × 2 = 18, e 1 + 8 = 9.\n' +
    '9 × 5 = 45, e 4 + 5 = 9.\n' +
    'A tabuada mostra todas as contas: imprima e use!',
};
