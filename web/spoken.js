// What Read aloud says at each wait: the question, the choice just made, the
// verdict and the end of a game, in the page's words or the game's English;
// and in which of the device's voices.
//
// It comes from the game's record at each wait (null once the game has
// ended) and from the page's own words ('say.' and 'tips.' in web/words/),
// never from the game's text, which was written for a reader at a terminal:
// only the title banner, which the record doesn't hold, is read from it.
var spokenWords = (function spokenWords() {
  'use strict';
  const say = words.say;
  let record;  // the wait the game is at: undefined before the page's first
  let lineSent = null;  // the line sent since that wait, if any
  let gameText = '';  // what the game wrote since the last line sent
  let taught = false;  // how to answer said since the page opened: a game is often one sum

  // A list said as the language says one, each item as the table has it.
  function list(keys) {
    return say('say.list', { items: keys.map((key) => say(key)).join(say('say.list.between')) });
  }

  function sumWords({ first, second, kind, player, name }) {
    const sum = say('say.sum', { first, second, operator: say(`say.operator.${kind}`) });
    return player > 0 ? say('say.turn', { name, sum }) : sum;
  }

  // The tips shown (tips.js) as a voice reads them: a sentence at a time,
  // and the signs of a sum said as the sums are, "=" too, which each voice
  // would otherwise say its own way.
  function tipsWords() {
    const signs = { '+': 'say.operator.addition', '−': 'say.operator.subtraction',
      '×': 'say.operator.multiplication', '=': 'say.equals' };
    return pageTips.shown().map((line) => ({ sentence: line.trim()
      .replace(/ ([+−×=]) /g, (_, sign) => ` ${say(signs[sign])} `).replace(/[^\p{P}]$/u, '$&.') }));
  }

  // The question open at a wait, with its choices named as the child sees
  // them, in the order they stand.
  function questionWords(asked) {
    if (asked === null) return say('say.ended');
    if (asked.question === 'problem') return sumWords(asked);
    if (asked.question === 'name') return say('say.ask.name', { player: asked.player });
    const keys = pageChoices.ordered(asked.question, asked.choices);
    const choices = list(keys.map((key) => `say.choice.${asked.question}.${key}`));
    // At the end of a game the points lead straight to its choices.
    if (asked.ended) return choices;
    return [asked.question === 'tips' ? tipsWords() : say(`say.ask.${asked.question}`), choices].flat();
  }

  // After the last miss the right answer says it all.
  function judgedWords({ verdict, rightAnswer }) {
    if (rightAnswer !== null) return [say('say.answer', { answer: rightAnswer })];
    return [say(`say.${verdict}`)];
  }

  // Four misses are no win: after the answer, a kind word.
  function endedWords(ended, judged) {
    if ('points' in ended && judged?.rightAnswer != null) return say('say.missed');
    if ('points' in ended) return say('say.points', { count: ended.points });
    return ended.winner ? say('say.winner', { name: ended.winner.name }) : say('say.neither');
  }

  // What the screen holds: at the end of a game what was judged last and
  // the points or the winner, then the open question.
  function screenWords(asked) {
    const judged = asked?.ended && asked.judged ? judgedWords(asked.judged) : [];
    const ended = asked?.ended ? [...judged, endedWords(asked.ended, asked.judged)] : [];
    return [...ended, questionWords(asked)].flat();
  }

  // The choice a line made, by its name, as its button shows it; a name or
  // an answer typed is not read back.
  function chosenWords(before, line) {
    const key = before.reads === 'key' ? line.trim().toLowerCase() : line.trim();
    if (key.length !== 1 || !before.choices.includes(key)) return [];
    return [say('say.chosen', { choice: say(`choice.${before.question}.${key}`) })];
  }

  // The game's name, the first line of its banner.
  function titleWords(text) {
    const title = text.split('\n').map((line) => line.trim()).find((line) => line !== '');
    return title ? [{ english: say('say.title', { title }, 'en') }] : [];
  }

  // What is said, as turns by language: the page's words (text) in the
  // page's language, the game's own English ({ english: text }) in English;
  // a sentence ({ sentence: text }), in the page's, a turn of its own.
  function turnsOf(pieces) {
    const found = [];
    for (const piece of pieces) {
      const language = piece.english ? 'en' : words.language;
      const text = piece.english ?? piece.sentence ?? piece;
      if (text === '') continue;
      const last = found.at(-1);
      if (last?.language === language && !last.alone && !piece.sentence) last.text += ` ${text}`;
      else found.push({ language, text, alone: Boolean(piece.sentence) });
    }
    return found;
  }

  // The voice, among those listed, for a language: that of the browser's own
  // tag for it (zh-TW, ar-EG), as the digits follow that tag; else that of
  // the language's own tag (pt-BR before pt-PT); else one written in its
  // script, so that a Traditional page with a zh-TW browser and no zh-TW
  // voice takes Cantonese zh-HK before zh-CN; else any. Within each, one on
  // the device itself, so that the one file and the installed app speak
  // offline, and the system's own choice.
  function voiceFor(voices, language, browserTags) {
    const tagOf = (voice) => voice.lang.replace('_', '-').toLowerCase();
    const primary = (tag) => tag.split('-')[0];
    const script = (tag) => {
      try {
        return new Intl.Locale(tag).maximize().script;
      } catch {
        return null;  // no tag a locale can be made of
      }
    };
    const page = language.toLowerCase();
    const ours = voices.filter((voice) => primary(tagOf(voice)) === primary(page));
    const own = browserTags.map((tag) => tag.toLowerCase())
      .find((tag) => primary(tag) === primary(page) && script(tag) === script(page));
    const tiers = [own, page].map((wanted) => ours.filter((voice) => tagOf(voice) === wanted))
      .concat([ours.filter((voice) => script(tagOf(voice)) === script(page)), ours]);
    const found = tiers.find((tier) => tier.length > 0) ?? [];
    return found.find((voice) => voice.localService && voice.default) ??
      found.find((voice) => voice.localService) ?? found.find((voice) => voice.default) ?? found[0] ?? null;
  }

  function written(text) {
    gameText += text;
  }

  function sent(line) {
    gameText = '';
    lineSent = line;
  }

  // How to answer, for the device in hand: a touch screen's keypad is
  // tapped, a keyboard's Enter pressed.
  function howToAnswer() {
    return say(pageTools.touch ? 'say.how-to-answer' : 'say.how-to-answer.keyboard');
  }

  // What is said at a wait: the banner's title at the page's first, the
  // choice just made (but one back to the main menu, whose question says where
  // the child is: a pre-reader waits through all before the first choice), the
  // verdict on the answer just sent, then the screen, and how to answer at
  // the first sum heard since the page opened; put into words only when Read
  // aloud speaks them. A child who sends a sum nothing may not know how to
  // answer: only that is said. Any other empty line that leaves the game
  // where it was changes nothing heard: then null.
  function waiting(asked) {
    const before = record;
    const line = lineSent;
    record = asked;
    lineSent = null;
    if (line !== null && line.trim() === '' && JSON.stringify(asked) === JSON.stringify(before)) {
      return asked?.question === 'problem' ? () => [howToAnswer()] : null;
    }
    const title = before === undefined && asked?.question === 'main-menu' ? gameText : null;
    const teach = asked?.question === 'problem' && !taught;
    return () => {
      taught ||= teach;
      return [
        ...(title !== null ? titleWords(title) : []),
        ...(before && line !== null && asked?.question !== 'main-menu' ? chosenWords(before, line) : []),
        ...(asked?.judged && before?.question === 'problem' && !asked.ended ? judgedWords(asked.judged) : []),
        ...screenWords(asked),
        ...(teach ? [howToAnswer()] : []),
      ];
    };
  }

  // The screen the game is at, or null before its first wait.
  function screen() {
    return record === undefined ? null : screenWords(record);
  }

  return { written, sent, waiting, screen, turnsOf, voiceFor };
})();
