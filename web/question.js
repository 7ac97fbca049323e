// The open question, shown large apart from the log, with whose turn it is,
// the tries left, the verdict on the last answer and how a game ended.
//
// At each wait the game says what it asks (`asked`) and what it judged
// last: the page learns both from that record alone, never from the game's
// words.
var pageQuestion = (function pageQuestion() {
  'use strict';
  const main = document.querySelector('main');
  const ask = {
    question: document.getElementById('question'),
    who: document.getElementById('who'),
    tries: document.getElementById('tries'),
    verdict: document.getElementById('verdict'),
    result: document.getElementById('result'),
  };
  const box = document.getElementById('ask');
  const keys = document.getElementById('keys');
  const operators = { addition: '+', subtraction: '−', multiplication: '×' };

  function sumOf(prompt) {
    return `${prompt.first} ${operators[prompt.kind]} ${prompt.second} =`;
  }

  function questionOf(prompt) {
    if (prompt.question === 'problem') return pageNumbers.shown(sumOf(prompt));
    if (prompt.question === 'other') return '';
    if (prompt.question === 'tips') return words.say(`ask.tips.${prompt.kind}`);
    return words.say(`ask.${prompt.question}`, { player: prompt.player });
  }

  // Text for the ear alone, where a symbol says it to the eye.
  function unseen(text) {
    const span = document.createElement('span');
    span.className = 'unseen';
    span.textContent = text;
    return span;
  }

  function marked(text) {
    const span = document.createElement('span');
    span.setAttribute('aria-hidden', 'true');
    span.textContent = text;
    return span;
  }

  // A message with an element where one of its values goes, as the number
  // a child looks for is shown large wherever the language puts it.
  function sayAround(key, name, element) {
    const [before, after] = words.say(key, { [name]: '\0' }).split('\0');
    return [before, element, after];
  }

  // The answer the game judged last, to the sum asked last: the number it
  // read, whose it was, and after the last try the answer it gave.
  function showJudged(judged, sum) {
    ask.verdict.hidden = judged === null;
    if (judged === null) return;
    ask.verdict.className = judged.verdict;
    const who = judged.player > 0 ? `${judged.name}: ` : '';
    const answered = pageNumbers.shown(`${sum} ${judged.answer ?? ''}`);
    // The space after the words said stands outside them: a name computed
    // from a hidden span drops its trailing space, "Right!39 + 22 = 61".
    const parts = [marked(judged.verdict === 'right' ? '✓ ' : '✗ '),
      unseen(words.say(`verdict.${judged.verdict}`)), ' ', who, answered];
    if (judged.rightAnswer !== null) {
      const answer = document.createElement('b');
      answer.textContent = pageNumbers.shown(judged.rightAnswer);
      const told = document.createElement('span');
      told.className = 'right-answer';
      told.append(...sayAround('verdict.answer', 'answer', answer));
      parts.push(' ', told);
    }
    ask.verdict.replaceChildren(...parts);
  }

  // How a game ended: a star for each point, which a child who can't read
  // yet counts, or who won.
  function showEnded(outcome) {
    ask.result.hidden = outcome === null;
    if (outcome === null) return;
    if ('points' in outcome) {
      ask.result.replaceChildren(marked(`${'★'.repeat(outcome.points)} `),
        words.say('ended.points', { count: outcome.points }));
    } else if (outcome.winner) {
      ask.result.replaceChildren(marked('★ '), words.say('ended.winner', outcome.winner));
    } else {
      ask.result.replaceChildren(words.say('ended.neither'));
    }
  }

  // At a sum, a mark for each try left, and a hollow one for each used.
  function showTries(prompt) {
    const dots = '●'.repeat(prompt.triesLeft) + '○'.repeat(prompt.attempt);
    ask.tries.replaceChildren(...(prompt.triesLeft > 0 ?
      [marked(dots), unseen(words.say('tries-left', { count: prompt.triesLeft }))] : []));
  }

  // What each part shows, so that a record that changes nothing touches
  // nothing.
  const shown = {};
  function put(part, value, show) {
    if (shown[part] === value) return false;
    shown[part] = value;
    show(value);
    return true;
  }

  let open = null;  // the record shown last
  let lastSum = '';  // the sum the game asked last, to which it judged an answer
  function show(prompt) {
    open = prompt;
    const question = prompt?.question ?? 'ended';
    put('asks', question, (asks) => { main.dataset.asks = asks; });
    if (prompt === null) return;
    if (question === 'problem') lastSum = sumOf(prompt);
    put('question', `${question} ${prompt.kind} ${prompt.first} ${prompt.second} ${prompt.player}`,
      () => { ask.question.textContent = questionOf(prompt); });
    put('who', question === 'problem' && prompt.player > 0 ? prompt.name : '',
      (name) => { ask.who.textContent = name; });
    put('tries', `${prompt.triesLeft} ${prompt.attempt}`, () => showTries(prompt));
    put('judged', prompt.judged && `${JSON.stringify(prompt.judged)} ${lastSum}`,
      () => showJudged(prompt.judged, lastSum));
    put('ended', JSON.stringify(prompt.ended), () => showEnded(prompt.ended));
    put('choices', `${question} ${prompt.choices}`, () => pageChoices.show(question, prompt.choices));
    // The page's own tips, under the tips screen's name, in the room its keys leave.
    put('tips', question === 'tips' ? prompt.kind : '', pageTips.show);
    // However it was hidden, the keypad is back at each new sum.
    put('sum', question === 'problem' ? lastSum : question, () => {
      if (question === 'problem') pageKeypad.show(true);
    });
    // At the continue prompt the choices stand above the question (page.css):
    // the DOM, and so Tab and a screen reader, take them in that order too.
    put('keysFirst', question === 'continue', (first) => (first ? box.before(keys) : box.after(keys)));
  }

  // Another language picked: all the page shows in words, again in it.
  words.changed(() => {
    for (const part of ['question', 'tries', 'judged', 'ended', 'choices', 'tips']) delete shown[part];
    if (open) show(open);
  });

  function newGame() {
    lastSum = '';
  }

  return { show, newGame, operators };
})();
