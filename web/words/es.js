// Las palabras de la página en español, para un niño de cinco años: cortas y
// sencillas. Las claves y los `{name}` son los de en.js.
(globalThis.pageCatalogues ??= {}).es = {
  'ask.main-menu': '¿A qué jugamos?',
  'ask.game-type': '¿Uno o dos jugadores?',
  'ask.help-menu': '¿Qué trucos?',
  'ask.tips.addition': 'Trucos para sumar',
  'ask.tips.subtraction': 'Trucos para restar',
  'ask.tips.multiplication': 'Trucos para multiplicar',
  'ask.name': 'Eres el número {player}. ¿Cómo te llamas?',
  'ask.continue': '¿Y ahora qué?',
  'ask.exit': '¿Salir del juego?',

  'choice.main-menu.1': 'Sumar',
  'choice.main-menu.2': 'Restar',
  'choice.main-menu.3': 'Multiplicar',
  'choice.main-menu.4': 'Ayuda y trucos',
  'choice.main-menu.5': 'Salir',
  'choice.game-type.1': 'Un jugador',
  'choice.game-type.2': 'Dos jugadores',
  'choice.help-menu.1': 'Trucos para sumar',
  'choice.help-menu.2': 'Trucos para restar',
  'choice.help-menu.3': 'Trucos para multiplicar',
  'choice.help-menu.4': 'Menú principal',
  'choice.tips.b': 'Atrás',
  'choice.tips.x': 'Menú principal',
  'choice.continue.1': 'Menú principal',
  'choice.continue.2': 'Terminar',
  'choice.exit.y': 'Sí, salir',
  'choice.exit.n': 'No, me quedo',

  'verdict.right': '¡Muy bien!',
  'verdict.wrong': 'Esta vez no',
  'verdict.answer': 'La respuesta es {answer}',
  'tries-left': { one: 'Te queda {count} intento', many: 'Te quedan {count} intentos', other: 'Te quedan {count} intentos' },
  'ended.points': { one: '¡Tienes {count} punto!', many: '¡Tienes {count} puntos!', other: '¡Tienes {count} puntos!' },
  'ended.winner': '¡Gana {name}!',
  'ended.neither': 'Esta vez nadie acertó',
  'ended': 'Se acabó el juego.',
  'again': 'Jugar otra vez',

  'hint.name': 'Escribe tu nombre y presiona Enter.',
  'hint.number': 'Aquí solo van números.',
  'hint.number.long': 'Nueve cifras como máximo.',
  'hint.key': 'Toca uno de los botones.',
  'instructions': 'Escribe tu respuesta y presiona Enter. La tecla de retroceso borra.',

  'note.no-voice': 'Este dispositivo no tiene ninguna voz para leer. Se puede añadir una en Configuración o Ajustes › Accesibilidad, en “Texto a voz” o “Contenido leído”.',
  'note.no-voice.language': 'Este dispositivo no tiene voz en español. Se puede añadir una en Configuración o Ajustes › Accesibilidad, en “Texto a voz” o “Contenido leído”.',
  'note.own-voice': 'Mientras tanto, la página lee con una voz propia más sencilla; una voz añadida al dispositivo suena mejor.',
  'note.cannot-run': 'Este navegador no puede abrir Orvanell. Para jugar, actualiza el navegador o abre la página en otro.',

  'tool.smaller': 'Letra más pequeña',
  'tool.larger': 'Letra más grande',
  'tool.keypad': 'Teclado de números',
  'tool.keyboard': 'Teclado',
  'tool.read-aloud': 'Leer en voz alta',
  'tool.say-again': 'Dilo otra vez',
  'tool.language': 'Idioma',
  'key.backspace': 'Borrar',
  'key.enter': 'Enter',
  'log': 'El juego',
  'choices': 'Opciones',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': '¿A qué jugamos?',
  'say.ask.game-type': '¿Uno o dos jugadores?',
  'say.ask.help-menu': '¿Qué trucos?',
  'say.ask.name': 'Eres el número {player}. ¿Cómo te llamas?',
  'say.ask.exit': '¿Salir del juego?',
  'say.choice.main-menu.1': 'más',
  'say.choice.main-menu.2': 'menos',
  'say.choice.main-menu.3': 'por',
  'say.choice.main-menu.4': 'interrogación: ayuda',
  'say.choice.main-menu.5': 'puerta: salir',
  'say.choice.game-type.1': 'una persona',
  'say.choice.game-type.2': 'dos personas',
  'say.choice.help-menu.1': 'más',
  'say.choice.help-menu.2': 'menos',
  'say.choice.help-menu.3': 'por',
  'say.choice.help-menu.4': 'casa: menú principal',
  'say.choice.tips.b': 'flecha: atrás',
  'say.choice.tips.x': 'casa: menú principal',
  'say.choice.continue.1': 'casa: menú principal',
  'say.choice.continue.2': 'puerta: terminar',
  'say.choice.exit.y': 'puerta: sí',
  'say.choice.exit.n': 'flecha: no',
  'say.operator.addition': 'más',
  'say.operator.subtraction': 'menos',
  'say.operator.multiplication': 'por',
  'say.equals': 'es',
  'say.sum': '¿Cuánto es {first} {operator} {second}?',
  'say.turn': '{name}: {sum}',
  'say.right': '¡Muy bien!',
  'say.wrong': 'Esta vez no.',
  'say.answer': 'La respuesta era {answer}.',
  'say.points': { one: '¡Tienes {count} punto!', many: '¡Tienes {count} puntos!', other: '¡Tienes {count} puntos!' },
  'say.winner': '¡Gana {name}!',
  'say.neither': 'Nadie ganó.',
  'say.ended': 'Se acabó el juego. Para jugar otra vez, toca el botón verde.',
  'say.how-to-answer': 'Toca los números y luego el botón verde.',
  'say.how-to-answer.keyboard': 'Escribe el número y luego presiona Enter.',
  'say.missed': '¡Buen intento! La próxima te saldrá.',

  'tips.addition': 'Si sumas 0, el número no cambia: 7 + 0 = 7.\n' +
    'Imagina los números en tu cabeza.\n' +
    'Tienes 3 manzanas y te dan 4 más.\n' +
    '3 + 4 = 7: ¡ahora tienes 7 manzanas!',
  'tips.subtraction': 'Si restas 0, el número no cambia: 6 − 0 = 6.\n' +
    'Con números de dos cifras, resta primero las unidades y luego las decenas.\n' +
    '¿Faltan unidades en el primer número? Cambia 1 decena por 10 unidades.',
  'tips.multiplication': 'Un número por 1 no cambia: 4 × 1 = 4.\n' +
    'Un número por 0 da 0: 4 × 0 = 0.\n' +
    'Un número por 5 termina en 5 o en 0: 3 × 5 = 15.\n' +
    'Un número por 10 lleva un 0 al final: 6 × 10 = 60.\n' +
    'Un número de una cifra por 11 se escribe con esa cifra dos veces: 8 × 11 = 88.\n' +
    'De 9 × 1 a 9 × 10, las cifras del resultado suman 9.\n' +
    '9 × 2 = 18, y 1 + 8 = 9.\n' +
    '9 × 5 = 45, y 4 + 5 = 9.\n' +
    'Las tablas de multiplicar tienen todos los resultados: ¡imprímelas y úsalas!',
};
