// The page: the game's module in a terminal, with a line discipline like a
// terminal's cooked mode between the player and the game. Keys and the
// keypad's taps both go through it. The game's bytes reach the terminal
// unchanged; only the terminal turns a line feed into a new line on the
// screen (convertEol), as a terminal's driver would.
//
// A classic script, not a module: the one-file page runs from file://, where
// browsers refuse modules.
(function page() {
  'use strict';
  const box = document.getElementById('terminal');
  const main = document.querySelector('main');
  const ended = document.getElementById('ended');

  // The text size is the one thing the page remembers; where storage is
  // refused, it is simply forgotten.
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

  const terminal = new Terminal({
    convertEol: true, screenReaderMode: true, cursorBlink: true, fontSize: storedSize(),
  });
  const fit = new FitAddon();
  terminal.loadAddon(fit);
  terminal.open(box);
  fit.fit();
  new ResizeObserver(() => fit.fit()).observe(box);
  // On a touch screen the keypad is the way in: the system keyboard, which
  // the terminal's focus would open, waits for the "Keyboard" key.
  const touch = matchMedia('(pointer: coarse)').matches;
  function focusUnlessTouch() {
    if (!touch) terminal.focus();
  }
  focusUnlessTouch();

  // The page's buttons hand the keyboard back to the terminal, where the
  // next answer is typed.
  function resize(change) {
    const size = Math.min(sizes.most, Math.max(sizes.least, terminal.options.fontSize + change));
    terminal.options.fontSize = size;
    fit.fit();
    focusUnlessTouch();
    try {
      localStorage.setItem(sizeKey, String(size));
    } catch {
      // storage blocked
    }
  }
  document.getElementById('smaller').addEventListener('click', () => resize(-sizes.step));
  document.getElementById('larger').addEventListener('click', () => resize(sizes.step));
  document.getElementById('read-aloud').addEventListener('click', focusUnlessTouch);

  // The visual bell: the terminal's frame flashes.
  terminal.onBell(() => {
    box.classList.add('bell');
    setTimeout(() => box.classList.remove('bell'), 300);
  });

  let firstOutput = true;
  const decoder = new TextDecoder();
  function show(bytes) {
    readAloud.written(decoder.decode(bytes, { stream: true }));
    // The game's bytes are only lent: copy them before it goes on.
    terminal.write(bytes.slice(), () => {
      if (!firstOutput) return;
      firstOutput = false;
      // For the benchmark: when the main menu is drawn.
      requestAnimationFrame(() => performance.mark('orvanell-menu-shown'));
    });
  }

  const encoder = new TextEncoder();
  let game = null;
  let line = '';  // typed, but not yet sent with Enter
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
      readAloud.written('\nThe game has ended.\n');
      ended.hidden = false;
    }
    readAloud.waiting();
  }

  function send(text) {
    readAloud.sent(text.replace(/\n$/, ''));
    if (text !== '') queue.push(encoder.encode(text));
    feed();
  }

  function erase() {
    const characters = Array.from(line);
    if (characters.length === 0) return;
    line = characters.slice(0, -1).join('');
    terminal.write('\b \b');
  }

  // What a key or a tap sends, in a terminal's codes.
  function take(data) {
    // Arrow and function keys: nothing a line of this game uses.
    if (!running() || data.startsWith('\x1b')) return;
    for (const character of data) {
      if (character === '\r') {
        terminal.write('\n');
        send(line + '\n');
        line = '';
      } else if (character === '\x7f' || character === '\b') {
        erase();
      } else if (character === '\x04') {
        // As on a terminal: a line typed so far goes without its line feed,
        // and on an empty line the input ends.
        if (line === '') inputEnded = true;
        send(line);
        line = '';
      } else if (character >= ' ') {
        line += character;
        terminal.write(character);
      }
      if (!running()) break;
    }
  }
  terminal.onData(take);

  // Each key's name is what it sends. A key never takes the focus from the
  // terminal, or the next Enter typed would press that key again.
  const codes = { Enter: '\r', Backspace: '\x7f' };
  for (const key of document.querySelectorAll('#keypad button')) {
    const name = key.textContent;
    key.addEventListener('pointerdown', (event) => event.preventDefault());
    key.addEventListener('click', () => take(codes[name] ?? name));
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
  // For the names, which the keypad can't spell: the terminal takes the
  // focus, and a touch screen opens its keyboard.
  document.getElementById('keyboard').addEventListener('click', () => terminal.focus());

  function play() {
    ended.hidden = true;
    // Nothing to read back, but what was left of the last game goes unsaid.
    readAloud.sent('');
    line = '';
    queue = [];
    inputEnded = false;
    terminal.reset();
    focusUnlessTouch();
    game._WebStart();
    feed();
  }

  document.getElementById('again').addEventListener('click', play);

  // The one-file page carries the module's WebAssembly in itself, as base64.
  const options = { writeOutput: show };
  const embedded = document.getElementById('orvanell-wasm');
  if (embedded) options.wasmBinary = Uint8Array.from(atob(embedded.textContent.trim()), (c) => c.charCodeAt(0));
  createOrvanell(options).then((module) => {
    game = module;
    play();
  });

  // Served, the page installs itself for playing offline.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('service-worker.js');
  }
})();
