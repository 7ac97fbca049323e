// The page: the game's module, what it writes shown as page text, and a
// line typed in a native input and sent with Enter, as a terminal's cooked
// mode would send it. The browser and the system keyboard do the editing, so
// an on-screen keyboard, voice typing or an input method all reach the game.
// The keypad's taps edit the same input.
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
  box.style.fontSize = `${fontSize}px`;

  // On a touch screen the keypad is the way in: the system keyboard, which
  // the input's focus would open, waits for the "Keyboard" key.
  const touch = matchMedia('(pointer: coarse)').matches;
  function focusUnlessTouch() {
    if (!touch) input.focus();
  }

  // The page's buttons hand the keyboard back to the input, where the next
  // answer is typed.
  function resize(change) {
    fontSize = Math.min(sizes.most, Math.max(sizes.least, fontSize + change));
    box.style.fontSize = `${fontSize}px`;
    scrollToEnd();
    focusUnlessTouch();
    try {
      localStorage.setItem(sizeKey, String(fontSize));
    } catch {
      // storage blocked
    }
  }
  document.getElementById('smaller').addEventListener('click', () => resize(-sizes.step));
  document.getElementById('larger').addEventListener('click', () => resize(sizes.step));
  document.getElementById('read-aloud').addEventListener('click', focusUnlessTouch);
  document.getElementById('say-again').addEventListener('click', focusUnlessTouch);

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
    readAloud.sent(text.replace(/\n$/, ''));
    send(text);
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
      input.disabled = true;
      ended.hidden = false;
      document.getElementById('again').focus();
    }
    readAloud.waiting(running() ? lastPrompt : null);
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

  // A key never takes the focus from the input, or the next Enter typed would
  // press that key again.
  const keypadActions = { Enter: enter, Backspace: erase };
  for (const key of document.querySelectorAll('#keypad button')) {
    const name = key.textContent;
    key.addEventListener('pointerdown', (event) => event.preventDefault());
    key.addEventListener('click', () => (keypadActions[name] ?? (() => typeIn(name)))());
  }
  const keypadToggle = document.getElementById('keypad-toggle');
  function showKeypad(shown) {
    main.classList.toggle('keypad-shown', shown);
    main.classList.toggle('keypad-hidden', !shown);
    keypadToggle.setAttribute('aria-expanded', String(shown));
  }
  showKeypad(touch);
  keypadToggle.addEventListener('click', () => {
    showKeypad(keypadToggle.getAttribute('aria-expanded') !== 'true');
    focusUnlessTouch();
  });
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
    focusUnlessTouch();
    game._WebStart();
    feed();
  }

  document.getElementById('again').addEventListener('click', play);

  // The one-file page carries the module's WebAssembly in itself, as base64.
  let lastPrompt;  // what the game asks at the wait it is at
  const options = { writeOutput: show, asked: (prompt) => { lastPrompt = prompt; } };
  const embedded = document.getElementById('orvanell-wasm');
  if (embedded) options.wasmBinary = Uint8Array.from(atob(embedded.textContent.trim()), (c) => c.charCodeAt(0));
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
