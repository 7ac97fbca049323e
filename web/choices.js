// The keys that answer the open question, named in the page's own words, each
// with a symbol; a key sends the line its typed key would, as Enter does.
var pageChoices = (function pageChoices() {
  'use strict';
  const input = document.getElementById('line');
  const box = document.getElementById('choices');
  const operators = pageQuestion.operators;
  const kindOfMark = Object.fromEntries(Object.entries(operators).map(([kind, mark]) => [mark, kind]));
  // Drawn rather than typed, as not every device has these symbols.
  const drawn = {
    leave: 'M14 4H5v16h9M10 12h11M17 8l4 4-4 4',
    home: 'M3 11l9-8 9 8M5 9v11h14V9',
    back: 'M9 5L4 10l5 5M4 10h11a5 5 0 0 1 0 10h-3',
    one: 'M16 7a4 4 0 1 1-8 0 4 4 0 1 1 8 0M4 21a8 8 0 0 1 16 0',
    two: 'M12 7a3 3 0 1 1-6 0 3 3 0 1 1 6 0M2 19a7 7 0 0 1 14 0M15 4a3 3 0 1 1 0 6M18 13a6 6 0 0 1 4 6',
  };
  const marks = {
    'main-menu': { 1: operators.addition, 2: operators.subtraction, 3: operators.multiplication, 4: '?',
      5: drawn.leave },
    'game-type': { 1: drawn.one, 2: drawn.two },
    'help-menu': { 1: operators.addition, 2: operators.subtraction, 3: operators.multiplication, 4: drawn.home },
    tips: { b: drawn.back, x: drawn.home },
    continue: { 1: drawn.home, 2: drawn.leave },
    exit: { y: drawn.leave, n: drawn.back },
  };

  function symbol(mark) {
    const span = document.createElement('span');
    span.className = 'mark';
    span.setAttribute('aria-hidden', 'true');
    if (!mark.startsWith('M')) {
      span.textContent = mark;
      return span;
    }
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    const path = document.createElementNS('http://www.w3.org/2000/svg', 'path');
    svg.setAttribute('viewBox', '0 0 24 24');
    path.setAttribute('d', mark);
    svg.append(path);
    span.append(svg);
    return span;
  }

  function choiceButton(question, key) {
    const mark = marks[question]?.[key] ?? key;
    const button = document.createElement('button');
    button.type = 'button';
    if (kindOfMark[mark]) button.dataset.kind = kindOfMark[mark];
    const name = document.createElement('span');
    name.className = 'named';
    name.textContent = words.say(`choice.${question}.${key}`);
    const typed = document.createElement('kbd');
    typed.textContent = key;
    typed.setAttribute('aria-hidden', 'true');
    button.append(symbol(mark), name, typed);
    pageTools.leaveFocusOnTap(button);
    button.addEventListener('click', () => {
      if (!pageGate.meant()) return;
      input.value = key;
      pageLine.enter();
    });
    return button;
  }

  // The choices that leave go first, at the top: the keys stand at the
  // bottom of the screen, where Enter, or the choice that went back to a
  // menu, was pressed last. Read aloud names them in this order too.
  function leaves(question, key) {
    return marks[question]?.[key] === drawn.leave ? 1 : 0;
  }
  function ordered(question, choices) {
    return Array.from(choices).sort((a, b) => leaves(question, b) - leaves(question, a));
  }

  // Each screen's keys are made once in each language, and kept: making
  // them cost more than the rest of a line sent.
  const made = new Map();
  function keysOf(question, choices) {
    const id = `${words.language} ${question} ${choices}`;
    if (!made.has(id)) {
      made.set(id, ordered(question, choices).map((key) => choiceButton(question, key)));
    }
    return made.get(id);
  }

  function show(question, choices) {
    // A choice pressed from the keyboard goes with its screen: the keyboard
    // goes back to the line.
    const hadFocus = box.contains(document.activeElement);
    box.replaceChildren(...keysOf(question, choices));
    if (hadFocus) input.focus();
  }

  return { show, ordered };
})();
