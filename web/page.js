// The page: the game's module in a terminal, with a line discipline like a
// terminal's cooked mode between the keyboard and the game. The game's bytes
// reach the terminal unchanged; only the terminal turns a line feed into a
// new line on the screen (convertEol), as a terminal's driver would.
import { Terminal } from './xterm.js';

const box = document.getElementById('terminal');
const ended = document.getElementById('ended');
const terminal = new Terminal({ convertEol: true, screenReaderMode: true, cursorBlink: true });
terminal.open(box);
terminal.focus();

// The visual bell: the terminal's frame flashes.
terminal.onBell(() => {
  box.classList.add('bell');
  setTimeout(() => box.classList.remove('bell'), 300);
});

let firstOutput = true;
function show(bytes) {
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
    ended.hidden = false;
  }
}

function send(text) {
  if (text !== '') queue.push(encoder.encode(text));
  feed();
}

function erase() {
  const characters = Array.from(line);
  if (characters.length === 0) return;
  line = characters.slice(0, -1).join('');
  terminal.write('\b \b');
}

terminal.onData((data) => {
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
      // As on a terminal: a line typed so far goes without its line feed, and
      // on an empty line the input ends.
      if (line === '') inputEnded = true;
      send(line);
      line = '';
    } else if (character >= ' ') {
      line += character;
      terminal.write(character);
    }
    if (!running()) break;
  }
});

function play() {
  ended.hidden = true;
  line = '';
  queue = [];
  inputEnded = false;
  terminal.reset();
  terminal.focus();
  game._WebStart();
  feed();
}

document.getElementById('again').addEventListener('click', play);

createOrvanell({ writeOutput: show }).then((module) => {
  game = module;
  play();
});
