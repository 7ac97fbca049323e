// Слова сторінки українською, для п’ятирічної дитини: коротко і просто.
// Ключі та `{name}` такі самі, як в en.js; множина в чотирьох формах
// Intl.PluralRules.
(globalThis.pageCatalogues ??= {}).uk = {
  'ask.main-menu': 'У що граємо?',
  'ask.game-type': 'Один гравець чи два?',
  'ask.help-menu': 'Які підказки?',
  'ask.tips.addition': 'Підказки для додавання',
  'ask.tips.subtraction': 'Підказки для віднімання',
  'ask.tips.multiplication': 'Підказки для множення',
  'ask.name': 'Ти гравець номер {player}. Як тебе звати?',
  'ask.continue': 'Що далі?',
  'ask.exit': 'Вийти з гри?',

  'choice.main-menu.1': 'Додавання',
  'choice.main-menu.2': 'Віднімання',
  'choice.main-menu.3': 'Множення',
  'choice.main-menu.4': 'Допомога і підказки',
  'choice.main-menu.5': 'Вихід',
  'choice.game-type.1': 'Один гравець',
  'choice.game-type.2': 'Два гравці',
  'choice.help-menu.1': 'Підказки для додавання',
  'choice.help-menu.2': 'Підказки для віднімання',
  'choice.help-menu.3': 'Підказки для множення',
  'choice.help-menu.4': 'Головне меню',
  'choice.tips.b': 'Назад',
  'choice.tips.x': 'Головне меню',
  'tips.more': 'Ще підказки',
  'choice.continue.1': 'Головне меню',
  'choice.continue.2': 'Кінець',
  'choice.exit.y': 'Так, виходжу',
  'choice.exit.n': 'Ні, граю далі',

  'verdict.right': 'Правильно!',
  'verdict.wrong': 'Цього разу ні',
  'verdict.answer': 'Відповідь: {answer}',
  'tries-left': {
    one: 'Залишилася {count} спроба', few: 'Залишилися {count} спроби', many: 'Залишилося {count} спроб',
    other: 'Залишилося {count} спроби',
  },
  'ended.points': { one: 'У тебе {count} бал', few: 'У тебе {count} бали', many: 'У тебе {count} балів', other: 'У тебе {count} бала' },
  'ended.winner': 'Перемагає {name}!',
  'ended.neither': 'Цього разу ніхто не вгадав',
  'ended': 'Гра закінчилася.',
  'again': 'Зіграти ще раз',

  'hint.name': 'Напиши своє ім’я і натисни Enter.',
  'hint.number': 'Тут лише числа.',
  'hint.number.long': 'Це число задовге.',
  'hint.key': 'Натисни одну з кнопок.',
  'instructions': 'Напиши відповідь і натисни Enter. Backspace стирає.',

  'note.no-voice': 'На цьому пристрої немає голосу для читання. Голос можна додати в Налаштуваннях › Спеціальні можливості, у розділі «Синтез мовлення» або «Озвучення вмісту».',
  'note.no-voice.language': 'На цьому пристрої немає українського голосу. Його можна додати в Налаштуваннях › Спеціальні можливості, у розділі «Синтез мовлення» або «Озвучення вмісту».',
  'note.own-voice': 'Поки що сторінка читає власним, простішим голосом; голос, доданий на пристрій, звучить краще.',
  'note.cannot-run': 'Цей браузер не може запустити Orvanell. Щоб грати, оновіть браузер або відкрийте сторінку в іншому.',

  'tool.smaller': 'Менший текст',
  'tool.larger': 'Більший текст',
  'tool.keypad': 'Кнопки з цифрами',
  'tool.keyboard': 'Клавіатура',
  'tool.read-aloud': 'Читати вголос',
  'tool.say-again': 'Повторити',
  'tool.language': 'Мова',
  'key.backspace': 'Стерти',
  'key.enter': 'Enter',
  'log': 'Гра',
  'choices': 'Вибір',

  'say.title': '{title}.',
  'say.chosen': '{choice}.',
  'say.list': '{items}.',
  'say.list.between': ', ',
  'say.ask.main-menu': 'У що граємо?',
  'say.ask.game-type': 'Один гравець чи два?',
  'say.ask.help-menu': 'Які підказки?',
  'say.ask.name': 'Ти гравець номер {player}. Як тебе звати?',
  'say.ask.exit': 'Вийти з гри?',
  'say.choice.main-menu.1': 'плюс',
  'say.choice.main-menu.2': 'мінус',
  'say.choice.main-menu.3': 'помножити',
  'say.choice.main-menu.4': 'знак питання',
  'say.choice.main-menu.5': 'двері',
  'say.choice.game-type.1': 'одна людина',
  'say.choice.game-type.2': 'дві людини',
  'say.choice.help-menu.1': 'плюс',
  'say.choice.help-menu.2': 'мінус',
  'say.choice.help-menu.3': 'помножити',
  'say.choice.help-menu.4': 'будиночок: головне меню',
  'say.choice.tips.b': 'стрілка: назад',
  'say.choice.tips.x': 'будиночок: головне меню',
  'say.choice.continue.1': 'будиночок: головне меню',
  'say.choice.continue.2': 'двері: кінець',
  'say.choice.exit.y': 'двері: так',
  'say.choice.exit.n': 'стрілка: ні',
  'say.operator.addition': 'плюс',
  'say.operator.subtraction': 'мінус',
  'say.operator.multiplication': 'помножити на',
  'say.equals': 'дорівнює',
  'say.sum': 'Скільки буде {first} {operator} {second}?',
  'say.turn': 'Відповідає {name}. {sum}',
  'say.right': 'Правильно!',
  'say.wrong': 'Цього разу ні.',
  'say.answer': 'Правильна відповідь — {answer}.',
  'say.points': {
    one: 'У тебе {count} бал.',
    few: 'У тебе {count} бали.',
    many: 'У тебе {count} балів.',
    other: 'У тебе {count} бала.',
  },
  'say.winner': 'Перемагає {name}!',
  'say.neither': 'Ніхто не переміг.',
  'say.ended': 'Гра закінчилася. Щоб зіграти ще раз, натисни зелену кнопку.',
  'say.how-to-answer': 'Натисни цифри, а потім зелену кнопку.',
  'say.how-to-answer.keyboard': 'Напиши число, а потім натисни Enter.',
  'say.missed': 'Не біда! Наступного разу вийде.',

  'tips.addition': 'Додаси 0 — і число не зміниться: 7 + 0 = 7.\n' +
    'Спробуй уявити числа в голові.\n' +
    'У тебе 3 яблука, і тобі дають ще 4.\n' +
    '3 + 4 = 7: тепер у тебе 7 яблук!',
  'tips.subtraction': 'Віднімеш 0 — і число не зміниться: 6 − 0 = 6.\n' +
    'У двоцифрових числах спершу віднімай одиниці, потім десятки.\n' +
    'Замало одиниць у першому числі? Займи 1 десяток: це ще 10 одиниць.',
  'tips.multiplication': 'Число, помножене на 1, не змінюється: 4 × 1 = 4.\n' +
    'Число, помножене на 0, дає 0: 4 × 0 = 0.\n' +
    'Число, помножене на 5, закінчується на 5 або на 0: 3 × 5 = 15.\n' +
    'Якщо число помножити на 10, у кінці з’явиться 0: 6 × 10 = 60.\n' +
    'Одноцифрове число, помножене на 11, записується тією самою цифрою двічі: 8 × 11 = 88.\n' +
    'Від 9 × 1 до 9 × 10, сума цифр відповіді — 9.\n' +
    '9 × 2 = 18, і 1 + 8 = 9.\n' +
    '9 × 5 = 45, і 4 + 5 = 9.\n' +
    'Таблиця множення показує всі відповіді: роздрукуй її і користуйся!',
};
