// The page: the game's module, what it writes shown as page text, and a
// line typed in a native input and sent with Enter, as a terminal's cooked
// mode would send it. The browser and the system keyboard do the editing, so
// an on-screen keyboard, voice typing or an input method all reach the game.
// The keypad's taps edit the same input.
//
// At each wait the game also says what it asks (`asked`), which the page
// shows large, apart from its text, with only the keys that answer it: the
// page learns the question from that record alone, never from the game's
// words.
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

  function resize(change) {
    fontSize = Math.min(sizes.most, Math.max(sizes.least, fontSize + change));
    main.style.setProperty('--picked', `${fontSize}px`);
    scrollToEnd();
    try {
      localStorage.setItem(sizeKey, String(fontSize));
    } catch {
      // storage blocked
    }
  }
  document.getElementById('smaller').addEventListener('click', () => resize(-sizes.step));
  document.getElementById('larger').addEventListener('click', () => resize(sizes.step));

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

  // The transcript's lines go in blocks of a hundred, a new one started after
  // a line feed, so that new text lays out with its own block alone: one
  // block of 5,000 lines took 35 ms to lay out again for each new line. The
  // oldest lines go a block at a time, and a long stay at the page holds the
  // last 4,900 to 5,000 lines, no more.
  const linesPerBlock = 100;
  const maxBlocks = 50;
  let block = null;
  let blockLines = 0;  // the line feeds in the last block
  function addBlock() {
    block = document.createElement('div');
    blockLines = 0;
    transcript.append(block);
    if (transcript.childElementCount > maxBlocks) transcript.firstElementChild.remove();
  }

  let scrollPending = false;
  function scrollToEnd() {
    if (scrollPending) return;
    scrollPending = true;
    requestAnimationFrame(() => {
      scrollPending = false;
      transcript.scrollTop = transcript.scrollHeight;
    });
  }
  // A smaller box (the keyboard up, the phone turned, the text larger) would
  // otherwise keep its old scroll position and hide the newest lines.
  new ResizeObserver(scrollToEnd).observe(transcript);

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
      block.append(text.slice(0, end));
      text = text.slice(end);
    }
    scrollToEnd();
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
    lastAnswer = text.trim();
    readAloud.sent(text.replace(/\n$/, ''));
    send(text);
  }

  // The open question, shown large with the keys that answer it. The
  // choices are named in the game's own words, each with a symbol.
  const ask = {
    question: document.getElementById('question'),
    who: document.getElementById('who'),
    verdict: document.getElementById('verdict'),
    choices: document.getElementById('choices'),
  };
  const operators = { addition: '+', subtraction: '−', multiplication: '×' };
  // Drawn rather than typed, as not every device has these symbols.
  const drawn = {
    leave: 'M14 4H5v16h9M10 12h11M17 8l4 4-4 4',
    home: 'M3 11l9-8 9 8M5 9v11h14V9',
    back: 'M9 5L4 10l5 5M4 10h11a5 5 0 0 1 0 10h-3',
    one: 'M16 7a4 4 0 1 1-8 0 4 4 0 1 1 8 0M4 21a8 8 0 0 1 16 0',
    two: 'M12 7a3 3 0 1 1-6 0 3 3 0 1 1 6 0M2 19a7 7 0 0 1 14 0M15 4a3 3 0 1 1 0 6M18 13a6 6 0 0 1 4 6',
  };
  const choiceNames = {
    'main-menu': { 1: ['+', 'Addition Problems'], 2: ['−', 'Subtraction Problems'],
      3: ['×', 'Multiplication problems'], 4: ['?', 'Help and Tips'], 5: [drawn.leave, 'Exit'] },
    'game-type': { 1: [drawn.one, 'One Player'], 2: [drawn.two, 'Two Player'] },
    'help-menu': { 1: ['+', 'Addition Tips'], 2: ['−', 'Subtraction Tips'], 3: ['×', 'Multiplication Tips'],
      4: [drawn.back, 'Exit'] },
    tips: { b: [drawn.back, 'Previous menu'], x: [drawn.home, 'Main menu'] },
    continue: { 1: [drawn.home, 'Main Menu'], 2: [drawn.leave, 'Quit'] },
    exit: { y: [drawn.leave, 'Yes, leave'], n: [drawn.back, 'No, stay'] },
  };
  const questions = { 'main-menu': 'What shall we play?', 'game-type': 'What type of game?',
    'help-menu': 'Which tips?', continue: 'What next?', exit: 'Leave the game?' };
  // The game reads a number at these; a name, or y, n, b or x, at the others.
  const numeric = ['main-menu', 'game-type', 'help-menu', 'problem', 'continue'];

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

  // A choice sends the line its key typed would, by the same way as Enter.
  function choiceButton(key, [mark, words]) {
    const button = document.createElement('button');
    button.type = 'button';
    const name = document.createElement('span');
    name.className = 'named';
    name.textContent = words;
    const typed = document.createElement('kbd');
    typed.textContent = key;
    typed.setAttribute('aria-hidden', 'true');
    button.append(symbol(mark), name, typed);
    leaveFocusOnTap(button);
    button.addEventListener('click', () => {
      input.value = key;
      enter();
    });
    return button;
  }

  let shownChoices = '';
  function showChoices(prompt) {
    const names = choiceNames[prompt.question] ?? {};
    const wanted = `${prompt.question} ${prompt.choices}`;
    if (wanted === shownChoices) return;
    shownChoices = wanted;
    // A choice pressed from the keyboard goes with its screen: the keyboard
    // goes back to the line.
    const hadFocus = ask.choices.contains(document.activeElement);
    ask.choices.replaceChildren(...Array.from(prompt.choices, (key) => choiceButton(key, names[key] ?? [key, key])));
    if (hadFocus) input.focus();
  }

  function sumOf(prompt) {
    return `${prompt.first} ${operators[prompt.kind]} ${prompt.second} =`;
  }

  function questionOf(prompt) {
    if (prompt.question === 'problem') return sumOf(prompt);
    if (prompt.question === 'name') return `Player ${prompt.player}, your name?`;
    if (prompt.question === 'tips') return `${prompt.kind[0].toUpperCase()}${prompt.kind.slice(1)} tips`;
    return questions[prompt.question] ?? '';
  }

  // How the last answer went, with what was asked and answered.
  let lastSum = '';
  let lastAnswer = '';
  function showVerdict(verdict) {
    ask.verdict.hidden = verdict === null;
    if (verdict === null) return;
    ask.verdict.className = verdict;
    ask.verdict.textContent = `${verdict === 'right' ? '✓' : '✗'} ${lastSum} ${lastAnswer}`;
  }

  function showQuestion(prompt) {
    main.dataset.asks = prompt === null ? 'ended' : prompt.question;
    if (prompt === null) return;
    showVerdict(prompt.verdict);
    ask.who.textContent = prompt.question === 'problem' && prompt.player > 0 ? prompt.name : '';
    ask.question.textContent = questionOf(prompt);
    if (prompt.question === 'problem') lastSum = `${prompt.player > 0 ? `${prompt.name}: ` : ''}${sumOf(prompt)}`;
    input.inputMode = numeric.includes(prompt.question) ? 'numeric' : 'text';
    showChoices(prompt);
    // A name is typed, so a touch screen's keyboard opens for it.
    if (prompt.question === 'name') input.focus();
  }

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
      readAloud.written('\nThe game has ended.\n');
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
  }

  const keypadActions = { Enter: enter, Backspace: erase };
  for (const key of document.querySelectorAll('#keypad button')) {
    const name = key.dataset.key ?? key.textContent;
    key.addEventListener('click', () => (keypadActions[name] ?? (() => typeIn(name)))());
  }
  const keypadToggle = document.getElementById('keypad-toggle');
  function showKeypad(shown) {
    main.classList.toggle('keypad-shown', shown);
    keypadToggle.setAttribute('aria-expanded', String(shown));
  }
  showKeypad(touch);
  keypadToggle.addEventListener('click', () => showKeypad(keypadToggle.getAttribute('aria-expanded') !== 'true'));
  // For the names, which the keypad can't spell: the input takes the focus,
  // and a touch screen opens its keyboard.
  document.getElementById('keyboard').addEventListener('click', () => input.focus());
  // A key typed with the focus on no control, as on a tablet with a keyboard
  // case before anything was tapped, still goes into the line.
  document.addEventListener('keydown', (event) => {
    if (event.target !== document.body && event.target !== transcript) return;
    if (input.disabled || event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.key.length === 1 || event.key === 'Enter' || event.key === 'Backspace') input.focus();
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
    transcript.replaceChildren();
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
    const bytes = new Uint8Array(text.length / 2);
    for (let i = 0; i < bytes.length; ++i) bytes[i] = parseInt(text.slice(2 * i, 2 * i + 2), 16);
    return bytes;
  }
  const options = { writeOutput: show, asked: (told) => { prompt = told; } };
  const embedded = document.getElementById('orvanell-wasm');
  if (embedded) options.wasmBinary = fromHex(embedded.textContent.trim());
  // Where WebAssembly is missing, or the browser refuses the module, the page
  // says so rather than leave it empty.
  function cannotRun() {
    document.getElementById('cannot-run').textContent = "This browser can't run Orvanell. " +
      'Updating the browser, or opening the page in another one, will let you play.';
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
