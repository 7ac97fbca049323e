// The page: the game's module, what it writes shown as page text, and a
// line typed in a native input and sent with Enter, as a terminal's cooked
// mode would send it. The browser and the system keyboard do the editing, so
// an on-screen keyboard, voice typing or an input method all reach the game.
// The keypad's taps edit the same input.
//
// At each wait the game also says what it asks (`asked`), which the page
// shows large, apart from its text, with only the keys that answer it, and
// what it judged last: the page learns both from that record alone, never
// from the game's words. The line takes only what that question can read.
// The page's own words come from its table (words.js).
//
// A classic script, not a module: the one-file page runs from file://, where
// browsers refuse modules.
(function page() {
  'use strict';
  const main = document.querySelector('main');
  const box = document.getElementById('game');
  const transcript = document.getElementById('transcript');
  const input = document.getElementById('line');
  const ended = document.getElementById('ended');
  const hint = document.getElementById('hint');
  const smaller = document.getElementById('smaller');
  const larger = document.getElementById('larger');
  // A− and A+ are named by what they show, and say what they do as a title.
  function nameSizes() {
    smaller.title = words.say('tool.smaller');
    larger.title = words.say('tool.larger');
  }
  nameSizes();

  // The page remembers the text size, as speech.js remembers Read aloud;
  // where storage is refused, it is simply forgotten.
  const sizeKey = 'orvanell-font-size';
  const sizes = { least: 12, usual: 18, most: 40, step: 2 };
  function storedSize() {
    try {
      const size = Number(localStorage.getItem(sizeKey));
      if (size >= sizes.least && size <= sizes.most) return size;
    } catch {
      // storage blocked
    }
    return sizes.usual;
  }
  let fontSize = storedSize();
  // Set only when picked: a size set on the page styles all of it again.
  if (fontSize !== sizes.usual) main.style.setProperty('--picked', `${fontSize}px`);

  // On a touch screen the keypad is the way in: the system keyboard, which
  // the input's focus would open, waits for a name or the "Keyboard" key.
  // There the focus goes to no control, from where a key typed on a keyboard
  // case still reaches the line.
  const touch = matchMedia('(pointer: coarse)').matches;
  function focusUnlessTouch() {
    if (touch) document.activeElement?.blur();
    else input.focus();
  }

  // The text grows no larger than the screen leaves room for (page.css):
  // A+ stops where the text stops growing, and A− starts from what shows.
  function shownSize() {
    return parseFloat(getComputedStyle(transcript).fontSize);
  }
  function showSizeLimits() {
    larger.disabled = fontSize >= sizes.most || shownSize() < fontSize;
    smaller.disabled = fontSize <= sizes.least;
  }

  function resize(change) {
    const from = Math.min(fontSize, Math.ceil(shownSize()));
    fontSize = Math.min(sizes.most, Math.max(sizes.least, from + change));
    main.style.setProperty('--picked', `${fontSize}px`);
    showSizeLimits();
    scrollLater();
    try {
      localStorage.setItem(sizeKey, String(fontSize));
    } catch {
      // storage blocked
    }
  }
  smaller.addEventListener('click', () => resize(-sizes.step));
  larger.addEventListener('click', () => resize(sizes.step));
  addEventListener('resize', showSizeLimits);
  requestAnimationFrame(showSizeLimits);

  // A button tapped or clicked never takes the keyboard: the next key typed
  // goes into the line, not to that button, as on a tablet with a keyboard
  // case. Reached by Tab, a button keeps the focus, as in any form.
  function leaveFocusOnTap(button) {
    button.addEventListener('pointerdown', (event) => event.preventDefault());
  }
  document.querySelectorAll('button').forEach(leaveFocusOnTap);

  // A phone's on-screen keyboard covers the bottom of the screen, and most
  // browsers leave the page its full height beneath it: the game keeps to
  // the part still seen. Zoomed in, the player moves about the whole page.
  function fitToView() {
    const seen = visualViewport;
    const zoomed = seen.scale > 1.01;
    main.style.height = zoomed ? '' : `${seen.height}px`;
    main.style.transform = zoomed || seen.offsetTop === 0 ? '' : `translateY(${seen.offsetTop}px)`;
  }
  if (window.visualViewport) {
    visualViewport.addEventListener('resize', fitToView);
    visualViewport.addEventListener('scroll', fitToView);
  }

  // The transcript's lines go in blocks of 25, so that new text lays out with
  // its own block alone (one block of 5,000 lines took 35 ms a line), and the
  // full blocks wait inside one element, laid out again only when a block
  // joins or leaves them. A long stay holds the last 4,975 to 5,000 lines.
  const linesPerBlock = 25;
  const maxBlocks = 200;
  const fullBlocks = document.createElement('div');
  let block = null;
  let blockLines = 0;  // the line feeds in the last block
  function addBlock() {
    if (block !== null) fullBlocks.append(block);
    if (fullBlocks.childElementCount >= maxBlocks) fullBlocks.firstElementChild.remove();
    block = document.createElement('div');
    blockLines = 0;
    transcript.append(block);
  }

  // The log shows its newest lines, but a tips screen opens at its first
  // line: `screenStart` is the first text the game wrote after the line sent.
  let screenStart = null;
  let scrollPending = false;
  function scrollLater() {
    if (scrollPending) return;
    scrollPending = true;
    requestAnimationFrame(() => {
      scrollPending = false;
      if (main.dataset.asks === 'tips' && screenStart?.isConnected) showFrom(screenStart);
      else transcript.scrollTop = transcript.scrollHeight;
    });
  }
  function showFrom(node) {
    const range = document.createRange();
    range.selectNode(node);
    transcript.scrollTop += range.getBoundingClientRect().top - transcript.getBoundingClientRect().top -
      parseFloat(getComputedStyle(transcript).paddingTop);
  }
  // A smaller box (the keyboard up, the phone turned, the text larger) would
  // otherwise keep its old scroll position and hide the newest lines.
  new ResizeObserver(scrollLater).observe(transcript);

  // Each piece of text is a node of its own, which the log's live region
  // announces once.
  function appendText(text) {
    while (text !== '') {
      if (block === null || blockLines === linesPerBlock) addBlock();
      let end = 0;
      while (end < text.length && blockLines < linesPerBlock) {
        const feed = text.indexOf('\n', end);
        end = feed < 0 ? text.length : feed + 1;
        if (feed >= 0) ++blockLines;
      }
      const node = document.createTextNode(text.slice(0, end));
      block.append(node);
      screenStart ??= node;
      text = text.slice(end);
    }
    scrollLater();
  }

  // The visual bell: the console's frame flashes.
  function ringBell() {
    box.classList.add('bell');
    setTimeout(() => box.classList.remove('bell'), 300);
  }

  // Where the game's output arrives, decoded: everything it writes passes here.
  function gameWrote(text) {
    if (text.includes('\x07')) {
      ringBell();
      text = text.replaceAll('\x07', '');
    }
    appendText(text);
    readAloud.written(text);
  }

  // Where a line the player sent leaves for the game, as typed; `text` ends
  // in a line feed unless Ctrl+D sent it. A terminal shows what was typed, so
  // the transcript does too.
  function playerSent(text) {
    appendText(text);
    screenStart = null;
    refused = false;
    readAloud.sent(text.replace(/\n$/, ''));
    send(text);
  }

  // The open question, shown large with the keys that answer it, and what
  // the game judged last. The choices are named in the page's own words,
  // each with a symbol.
  const ask = {
    question: document.getElementById('question'),
    who: document.getElementById('who'),
    tries: document.getElementById('tries'),
    verdict: document.getElementById('verdict'),
    result: document.getElementById('result'),
    choices: document.getElementById('choices'),
  };
  const operators = { addition: '+', subtraction: '−', multiplication: '×' };
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

  // A tap this soon after the choices changed was meant for the key that
  // stood there before: a double tap on Enter or on a choice.
  const settleMs = 500;
  let choicesShownAt = -Infinity;

  // A choice sends the line its key typed would, by the same way as Enter.
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
    leaveFocusOnTap(button);
    button.addEventListener('click', (event) => {
      if (event.detail > 0 && event.timeStamp - choicesShownAt < settleMs) return;
      input.value = key;
      enter();
    });
    return button;
  }

  // The choices that leave go first, at the top: the keys stand at the
  // bottom of the screen, where Enter, or the choice that went back to a
  // menu, was pressed last.
  function leaves(question, key) {
    return marks[question]?.[key] === drawn.leave ? 1 : 0;
  }

  function showChoices(question, choices) {
    // A choice pressed from the keyboard goes with its screen: the keyboard
    // goes back to the line.
    const hadFocus = ask.choices.contains(document.activeElement);
    const keys = Array.from(choices).sort((a, b) => leaves(question, b) - leaves(question, a));
    ask.choices.replaceChildren(...keys.map((key) => choiceButton(question, key)));
    choicesShownAt = performance.now();
    if (hadFocus) input.focus();
  }

  function sumOf(prompt) {
    return `${prompt.first} ${operators[prompt.kind]} ${prompt.second} =`;
  }

  function questionOf(prompt) {
    if (prompt.question === 'problem') return sumOf(prompt);
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
    // The sum and the answer read left to right in every language, as the
    // game and the keypad write them.
    const answered = document.createElement('span');
    answered.dir = 'ltr';
    answered.textContent = `${sum} ${judged.answer ?? ''}`;
    const parts = [marked(judged.verdict === 'right' ? '✓ ' : '✗ '),
      unseen(`${words.say(`verdict.${judged.verdict}`)} `), who, answered];
    if (judged.rightAnswer !== null) {
      const answer = document.createElement('b');
      answer.textContent = judged.rightAnswer;
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

  let refused = false;  // something typed that the open question can't take
  function hintOf(prompt) {
    if (refused) {
      if (prompt.choices !== '') return 'hint.key';
      return prompt.reads === 'number' ? 'hint.number' : 'hint.name';
    }
    return prompt.question === 'name' ? 'hint.name' : '';
  }

  function showHint() {
    put('hint', hintOf(prompt), (key) => {
      hint.hidden = key === '';
      if (key !== '') hint.textContent = words.say(key);
    });
  }

  let lastSum = '';  // the sum the game asked last, to which it judged an answer
  function showQuestion(prompt) {
    const question = prompt?.question ?? 'ended';
    const newQuestion = put('asks', question, (asks) => { main.dataset.asks = asks; });
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
    put('choices', `${question} ${prompt.choices}`, () => showChoices(question, prompt.choices));
    put('reads', prompt.reads, (reads) => { input.inputMode = reads === 'number' ? 'numeric' : 'text'; });
    // However it was hidden, the keypad is back at each new sum.
    put('sum', question === 'problem' ? lastSum : question, () => {
      if (question === 'problem') showKeypad(true);
    });
    if (newQuestion) {
      refused = false;
      // A name is typed, so a touch screen's keyboard opens for it; once the
      // names are in, it closes, for the keypad and the choices.
      if (question === 'name') input.focus();
      else if (touch && document.activeElement === input) input.blur();
    }
    showHint();
  }

  // Another language picked: all the page shows in words, again in it.
  words.changed(() => {
    nameSizes();
    for (const part of ['question', 'tries', 'judged', 'ended', 'choices', 'hint']) delete shown[part];
    if (prompt) showQuestion(prompt);
  });

  // What the open question can read of `text`: digits at a number, those of
  // any script as ASCII; one key offered at a choice, the last typed; one
  // word at a name. A number's leading zeros go: the game reads octal.
  function fitted(text) {
    let kept = '';
    let refusedSome = false;
    for (const typed of text) {
      const character = prompt.reads === 'word' ? typed : asciiDigit(typed);
      if (prompt.choices !== '') {
        if (prompt.choices.includes(prompt.reads === 'key' ? character.toLowerCase() : character)) kept = character;
        else refusedSome = true;
      } else if (prompt.reads === 'number' ? /^[0-9]$/.test(character) : !/\s/u.test(character)) {
        kept += character;
      } else {
        refusedSome = true;
      }
    }
    if (prompt.reads === 'number' && prompt.choices === '') kept = kept.replace(/^0+(?=[0-9])/, '').slice(0, 9);
    return { kept, refusedSome };
  }

  // Unicode has each script's ten digits in a run from 0, some runs one
  // after another: a digit's value is the count of digits just before it,
  // modulo ten.
  const decimal = /\p{Nd}/u;
  function asciiDigit(character) {
    if (character < '\x80' || !decimal.test(character)) return character;
    let value = 0;
    for (let at = character.codePointAt(0) - 1; decimal.test(String.fromCodePoint(at)); --at) ++value;
    return String(value % 10);
  }

  // The line keeps only what the question can read, as it is typed, pasted,
  // spoken or composed, and says why when it leaves something out.
  function keepWhatFits() {
    if (prompt === null) return;
    const { kept, refusedSome } = fitted(input.value);
    if (kept !== input.value) {
      const caret = fitted(input.value.slice(0, input.selectionStart ?? input.value.length)).kept.length;
      input.value = kept;
      input.setSelectionRange(Math.min(caret, kept.length), Math.min(caret, kept.length));
    }
    if (!refusedSome) return;
    refused = true;
    showHint();
  }
  input.addEventListener('input', (event) => {
    if (!event.isComposing) keepWhatFits();
  });
  input.addEventListener('compositionend', keepWhatFits);

  // Streaming, so that a character whose bytes span two writes stays whole.
  let decoder = new TextDecoder();
  let firstOutput = true;
  function show(bytes) {
    gameWrote(decoder.decode(bytes, { stream: true }));
    if (!firstOutput) return;
    firstOutput = false;
    // For the benchmark: when the main menu is drawn.
    requestAnimationFrame(() => performance.mark('orvanell-menu-shown'));
  }

  const encoder = new TextEncoder();
  let game = null;
  let prompt = null;  // what the game asked at its last wait
  let queue = [];  // sent, but not yet taken by the game
  let inputEnded = false;

  function running() {
    return game !== null && game._WebStatus() < 0;
  }

  // Hands the game what was sent, as much as it takes at a time, then shows
  // everything it wrote before it waits for more.
  function feed() {
    while (running() && (queue.length > 0 || inputEnded)) {
      if (queue.length === 0) {
        game._WebInputArrived(0);
        break;
      }
      const bytes = queue[0];
      const count = Math.min(bytes.length, game._WebInputCapacity());
      game.HEAPU8.set(bytes.subarray(0, count), game._WebInputBuffer());
      if (count === bytes.length) queue.shift();
      else queue[0] = bytes.subarray(count);
      game._WebInputArrived(count);
    }
    if (running()) {
      game._WebFlush();
    } else {
      gameWrote(decoder.decode());
      readAloud.written(`\n${words.say('ended')}\n`);
      // The input has nothing more to take: the keyboard goes to "Play again".
      prompt = null;
      input.disabled = true;
      ended.hidden = false;
      document.getElementById('again').focus();
    }
    showQuestion(prompt);
    readAloud.waiting(prompt);
  }

  function send(text) {
    if (text !== '') queue.push(encoder.encode(text));
    feed();
  }

  function enter() {
    if (!running()) return;
    const text = input.value;
    input.value = '';
    playerSent(`${text}\n`);
  }

  // As on a terminal: a line typed so far goes without its line feed, and on
  // an empty line the input ends.
  function endOfInput() {
    if (!running()) return;
    const text = input.value;
    input.value = '';
    if (text === '') inputEnded = true;
    playerSent(text);
  }

  // Enter submits the form, whichever way the keyboard sends it; an Enter
  // that ends an input method's composition belongs to the composition.
  input.form.addEventListener('submit', (event) => {
    event.preventDefault();
    enter();
  });
  input.addEventListener('keydown', (event) => {
    if (!event.isComposing && event.ctrlKey && !event.altKey && !event.metaKey && event.key.toLowerCase() === 'd') {
      event.preventDefault();
      endOfInput();
    }
  });

  // The keypad's keys edit the input where its caret is.
  function erase() {
    let start = input.selectionStart ?? input.value.length;
    const end = input.selectionEnd ?? start;
    if (start === end) {
      if (start === 0) return;
      // A character outside the first plane is two code units.
      const before = input.value.codePointAt(start - 2);
      start -= start >= 2 && before > 0xffff ? 2 : 1;
    }
    input.setRangeText('', start, end, 'end');
  }

  function typeIn(text) {
    const start = input.selectionStart ?? input.value.length;
    input.setRangeText(text, start, input.selectionEnd ?? start, 'end');
    keepWhatFits();
  }

  const keypadActions = { Enter: enter, Backspace: erase };
  for (const key of document.querySelectorAll('#keypad button')) {
    const name = key.dataset.key ?? key.textContent;
    key.addEventListener('click', () => (keypadActions[name] ?? (() => typeIn(name)))());
  }
  const keypadToggle = document.getElementById('keypad-toggle');
  function showKeypad(shown) {
    if (main.classList.contains('keypad-shown') === shown) return;
    main.classList.toggle('keypad-shown', shown);
    keypadToggle.setAttribute('aria-expanded', String(shown));
  }
  showKeypad(true);
  keypadToggle.addEventListener('click', () => showKeypad(!main.classList.contains('keypad-shown')));
  // On a touch screen the choices are the way to answer a menu, and the line
  // shows only at a sum and a name (page.css), until a keyboard types or is
  // asked for: from then on it shows at every question.
  function showLine() {
    if (touch && !main.classList.contains('typed')) main.classList.add('typed');
  }
  // For the names, which the keypad can't spell: the input takes the focus,
  // and a touch screen opens its keyboard.
  document.getElementById('keyboard').addEventListener('click', () => {
    showLine();
    input.focus();
  });
  // A key typed with the focus on no control, as on a tablet with a keyboard
  // case before anything was tapped, still goes into the line.
  document.addEventListener('keydown', (event) => {
    if (event.target !== document.body && event.target !== transcript) return;
    if (input.disabled || event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.key.length !== 1 && event.key !== 'Enter' && event.key !== 'Backspace') return;
    showLine();
    input.focus();
  });

  function play() {
    ended.hidden = true;
    // Nothing to read back, but what was left of the last game goes unsaid.
    readAloud.sent('');
    input.disabled = false;
    input.value = '';
    queue = [];
    inputEnded = false;
    decoder = new TextDecoder();
    fullBlocks.replaceChildren();
    transcript.replaceChildren(fullBlocks);
    block = null;
    lastSum = '';
    game._WebStart();
    feed();
    // Only now that the game has asked is the line shown, and can take the focus.
    focusUnlessTouch();
  }

  document.getElementById('again').addEventListener('click', play);

  // The one-file page carries the module's WebAssembly in itself, in hexadecimal:
  // two characters a byte.
  function fromHex(text) {
    const digit = (code) => (code & 15) + (code > 57 ? 9 : 0);  // '0'-'9' and 'a'-'f'
    const bytes = new Uint8Array(text.length / 2);
    for (let i = 0; i < bytes.length; ++i) bytes[i] = (digit(text.charCodeAt(2 * i)) << 4) | digit(text.charCodeAt(2 * i + 1));
    return bytes;
  }
  const options = { writeOutput: show, asked: (told) => { prompt = told; } };
  const embedded = document.getElementById('orvanell-wasm');
  if (embedded) options.wasmBinary = fromHex(embedded.textContent.trim());
  // Where WebAssembly is missing, or the browser refuses the module, the page
  // says so rather than leave it empty.
  function cannotRun() {
    const note = document.getElementById('cannot-run');
    note.dataset.words = 'note.cannot-run';
    words.fill(note.parentElement);
    input.disabled = true;
  }
  new Promise((resolve) => {
    if (typeof WebAssembly !== 'object') throw new Error('no WebAssembly');
    resolve(createOrvanell(options));
  }).then((module) => {
    game = module;
    play();
  }, cannotRun);

  // Served, the page installs itself for playing offline, once it has
  // loaded: the worker's start and its copies of the site wait for the menu.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    addEventListener('load', () => navigator.serviceWorker.register('service-worker.js'));
  }
})();
