// The game's driver: its module, the lines sent queued until it takes them,
// what it writes passed to the page, the end of a game and "Play again".
//
// Each of the page's files is a classic script, not a module: the one-file
// page runs from file://, where browsers refuse modules. Each shares one
// object, in the order index.html loads them: kept, pageNumbers, words,
// spokenWords, deviceVoice, pageVoice, readAloud, pageTools, pageGate,
// pageLog, pageTips, pageQuestion, pageChoices, pageFit, pageLine,
// pageKeypad and this one, pageGame. What a file uses of those after it, it
// uses only once the page has loaded.
var pageGame = (function pageGame() {
  'use strict';
  const input = document.getElementById('line');
  const ended = document.getElementById('ended');

  // Where the game's output arrives, decoded: everything it writes passes here.
  function gameWrote(text) {
    if (text.includes('\x07')) {
      pageLog.ringBell();
      text = text.replaceAll('\x07', '');
    }
    pageLog.append(text);
    readAloud.written(text);
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
      readAloud.written(`\n${words.say('ended')}\n`);
      // The input has nothing more to take: the keyboard goes to "Play again".
      prompt = null;
      input.disabled = true;
      ended.hidden = false;
      document.getElementById('again').focus();
    }
    const known = prompt === null || words.knows(prompt);
    if (!known && !warned) console.warn('Orvanell: the page has no words for', prompt);
    warned ||= !known;
    pageQuestion.show(known ? prompt : { question: 'other', choices: '', judged: null, ended: null });
    pageLine.waiting(prompt);
    pageGate.waiting(prompt);
    if (known) readAloud.waiting(prompt);
  }

  // A record the page has no words for shows the game's text alone:
  // nothing stale is left to tap. The line still takes what the game reads.
  let warned = false;

  function send(text) {
    if (text !== '') queue.push(encoder.encode(text));
    feed();
  }

  function endInput() {
    inputEnded = true;
  }

  function play() {
    ended.hidden = true;
    // Nothing to read back, but what was left of the last game goes unsaid.
    readAloud.sent('');
    input.disabled = false;
    input.value = '';
    queue = [];
    inputEnded = false;
    decoder = new TextDecoder();
    pageLog.clear();
    pageQuestion.newGame();
    game._WebStart();
    feed();
    // Only now that the game has asked is the line shown, and can take the
    // focus; on the served site, once the words it waits for have come.
    pageTools.focusUnlessTouch();
  }
  words.changed((tag, waited) => {
    if (waited && running() && document.activeElement === document.body) pageTools.focusUnlessTouch();
  });

  document.getElementById('again').addEventListener('click', () => {
    if (pageGate.meant()) play();
  });

  // The one-file page carries the module's WebAssembly in itself, in hexadecimal:
  // two characters a byte.
  function fromHex(text) {
    const digit = (code) => (code & 15) + (code > 57 ? 9 : 0);  // '0'-'9' and 'a'-'f'
    const bytes = new Uint8Array(text.length / 2);
    for (let i = 0; i < bytes.length; ++i) bytes[i] = (digit(text.charCodeAt(2 * i)) << 4) | digit(text.charCodeAt(2 * i + 1));
    return bytes;
  }
  // The names a record carries are known to the log before the text that
  // holds them is flushed to it.
  const options = { writeOutput: show, asked: (told) => {
    prompt = told;
    pageLog.learn(told);
  } };
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

  return { running, send, endInput };
})();
