// Słowa strony po polsku, dla pięciolatka: krótkie i proste. Klucze i
// `{name}` jak w en.js; liczby mnogie w czterech formach Intl.PluralRules.
(globalThis.pageCatalogues ??= {}).pl = {
  'ask.main-menu': 'W co gramy?',
  'ask.game-type': 'Jeden gracz czy dwóch?',
  'ask.help-menu': 'Które podpowiedzi?',
  'ask.tips.addition': 'Podpowiedzi do dodawania',
  'ask.tips.subtraction': 'Podpowiedzi do odejmowania',
  'ask.tips.multiplication': 'Podpowiedzi do mnożenia',
  'ask.name': 'Jesteś graczem numer {player}. Jak masz na imię?',
  'ask.continue': 'Co dalej?',
  'ask.exit': 'Wyjść z gry?',

  'choice.main-menu.1': 'Dodawanie',
  'choice.main-menu.2': 'Odejmowanie',
  'choice.main-menu.3': 'Mnożenie',
  'choice.main-menu.4': 'Pomoc i podpowiedzi',
  'choice.main-menu.5': 'Wyjście',
  'choice.game-type.1': 'Jeden gracz',
  'choice.game-type.2': 'Dwóch graczy',
  'choice.help-menu.1': 'Podpowiedzi do dodawania',
  'choice.help-menu.2': 'Podpowiedzi do odejmowania',
  'choice.help-menu.3': 'Podpowiedzi do mnożenia',
  'choice.help-menu.4': 'Menu główne',
  'choice.tips.b': 'Wróć',
  'choice.tips.x': 'Menu główne',
  'tips.more': 'Więcej podpowiedzi',
  'choice.continue.1': 'Menu główne',
  'choice.continue.2': 'Koniec',
  'choice.exit.y': 'Tak, wychodzę',
  'choice.exit.n': 'Nie, zostaję',

  'verdict.right': 'Dobrze!',
  'verdict.wrong': 'Tym razem nie',
  'verdict.answer': 'Odpowiedź to {answer}',
  'tries-left': {
    one: 'Została {count} próba', few: 'Zostały {count} próby', many: 'Zostało {count} prób', other: 'Zostało {count} próby',
  },
  'ended.points': {
    one: 'Masz {count} punkt', few: 'Masz {count} punkty', many: 'Masz {count} punktów', other: 'Masz {count} punktu',
  },
  'ended.winner': 'Wygrywa {name}!',
  'ended.neither': 'Tym razem nikt nie zgadł',
  'ended': 'Koniec gry.',
  'again': 'Zagraj jeszcze raz',

  'hint.name': 'Wpisz imię i naciśnij Enter.',
  'hint.number': 'Tu wpisujemy tylko liczby.',
  'hint.number.long': 'Ta liczba jest za długa.',
  'hint.key': 'Dotknij jednego z przycisków.',
  'instructions': 'Wpisz odpowiedź i naciśnij Enter. Backspace kasuje.',

  'note.no-voice': 'To urządzenie nie ma głosu do czytania. Głos można dodać w Ustawieniach › Dostępność, w części „Przetwarzanie tekstu na mowę” lub „Zawartość mówiona”.',
  'note.no-voice.language': 'To urządzenie nie ma polskiego głosu. Można go dodać w Ustawieniach › Dostępność, w części „Przetwarzanie tekstu na mowę” lub „Zawartość mówiona”.',
  'note.own-voice': 'Na razie strona czyta własnym, prostszym głosem; głos dodany do urządzenia brzmi lepiej.',
  'note.cannot-run': 'Ta przeglądarka nie może uruchomić Orvanell. Aby zagrać, zaktualizuj przeglądarkę albo otwórz stronę w innej.',

  'tool.smaller': 'Mniejszy tekst',
  'tool.larger': 'Większy tekst',
  'tool.keypad': 'Klawisze z cyframi',
  'tool.keyboard': 'Klawiatura',
  'tool.read-aloud': 'Czytaj na głos',
  'tool.say-again': 'Powtórz',
  'tool.language': 'Język',
  'key.backspace': 'Kasuj',
  'key.enter': 'Enter',
  'log': 'Gra',
  'choices': 'Wybór',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'W co gramy?',
  'say.ask.game-type': 'Jeden gracz czy dwóch?',
  'say.ask.help-menu': 'Które podpowiedzi?',
  'say.ask.name': 'Jesteś graczem numer {player}. Jak masz na imię?',
  'say.ask.exit': 'Wyjść z gry?',
  'say.choice.main-menu.1': 'plus',
  'say.choice.main-menu.2': 'minus',
  'say.choice.main-menu.3': 'razy',
  'say.choice.main-menu.4': 'znak zapytania: pomoc',
  'say.choice.main-menu.5': 'drzwi: wyjście',
  'say.choice.game-type.1': 'jedna osoba',
  'say.choice.game-type.2': 'dwie osoby',
  'say.choice.help-menu.1': 'plus',
  'say.choice.help-menu.2': 'minus',
  'say.choice.help-menu.3': 'razy',
  'say.choice.help-menu.4': 'domek: menu główne',
  'say.choice.tips.b': 'strzałka: wróć',
  'say.choice.tips.x': 'domek: menu główne',
  'say.choice.continue.1': 'domek: menu główne',
  'say.choice.continue.2': 'drzwi: koniec',
  'say.choice.exit.y': 'drzwi: tak',
  'say.choice.exit.n': 'strzałka: nie',
  'say.operator.addition': 'plus',
  'say.operator.subtraction': 'minus',
  'say.operator.multiplication': 'razy',
  'say.equals': 'równa się',
  'say.sum': 'Ile to jest {first} {operator} {second}?',
  'say.turn': 'Teraz {name}. {sum}',
  'say.right': 'Dobrze!',
  'say.wrong': 'Tym razem nie.',
  'say.answer': 'Odpowiedź brzmiała: {answer}.',
  'say.points': {
    one: 'Masz {count} punkt.',
    few: 'Masz {count} punkty.',
    many: 'Masz {count} punktów.',
    other: 'Masz {count} punktu.',
  },
  'say.winner': 'Wygrywa {name}!',
  'say.neither': 'Nikt nie wygrał.',
  'say.ended': 'Koniec gry. Żeby zagrać jeszcze raz, dotknij zielonego przycisku.',
  'say.how-to-answer': 'Dotknij cyfr, a potem zielonego przycisku.',
  'say.how-to-answer.keyboard': 'Wpisz liczbę, a potem naciśnij Enter.',
  'say.missed': 'Nic nie szkodzi! Następnym razem się uda.',

  'tips.addition': 'Dodasz 0, a liczba się nie zmieni: 7 + 0 = 7.\n' +
    'Spróbuj wyobrazić sobie liczby w głowie.\n' +
    'Masz 3 jabłka i dostajesz jeszcze 4.\n' +
    '3 + 4 = 7: teraz masz 7 jabłek!',
  'tips.subtraction': 'Odejmiesz 0, a liczba się nie zmieni: 6 − 0 = 6.\n' +
    'Przy liczbach dwucyfrowych odejmij najpierw jedności, potem dziesiątki.\n' +
    'Za mało jedności w pierwszej liczbie? Zamień jedną dziesiątkę na 10 jedności.',
  'tips.multiplication': 'Liczba razy 1 się nie zmienia: 4 × 1 = 4.\n' +
    'Liczba razy 0 to 0: 4 × 0 = 0.\n' +
    'Liczba razy 5 kończy się na 5 albo na 0: 3 × 5 = 15.\n' +
    'Liczba razy 10 ma na końcu dopisane 0: 6 × 10 = 60.\n' +
    'Liczba jednocyfrowa razy 11 to ta cyfra zapisana dwa razy: 8 × 11 = 88.\n' +
    'Od 9 × 1 do 9 × 10 cyfry wyniku dają razem 9.\n' +
    '9 × 2 = 18, a 1 + 8 = 9.\n' +
    '9 × 5 = 45, a 4 + 5 = 9.\n' +
    'Tabliczka mnożenia pokazuje wszystkie wyniki: wydrukuj ją i korzystaj!',
};
