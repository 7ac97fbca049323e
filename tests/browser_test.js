// Plays the web page in headless Chromium as a person would: waits for each
// prompt at the end of the game's text, reads the problems off it and types
// or taps the answers. The page is read by its role, as a screen reader
// finds it; no page reaches outside its own site; the site is weighed and
// screenshots saved beside it.
//
// Each row of `rows` is a page of its own in Chromium: where it is (the
// screen, touch or not, the browser's language) and what is played there.
// Tablet and phones in each language and orientation tapped to the end, the
// sum in view; a tablet typed on as a keyboard case, an Android keyboard,
// voice typing and an input method send text; on a phone, what the page
// shows the game judged and what the line refuses, the narrow screen, A+ and
// a long stay; Read aloud heard by a stand-in for the browser's speech, in
// English and Spanish, and the page's own voice, where the device has none
// of the language, in Spanish, Arabic and Chinese, and from the one file;
// no WebAssembly, no JavaScript. Then every engine
// (Chromium, Firefox ESR, WebKitGTK and WPE WebKit, an old tablet's WebKit)
// plays one game served and one from the one file as file://, and shows the
// message on a copy whose module can't compile. Last, the site installed
// from a folder: axe, Tab, two players whose input ends with Ctrl+D, which
// rings the bell, playing again, a new build, the page's own voice kept and
// the network cut; and
// Lighthouse's audit.
//
// Usage: node browser_test.js SITE NPM_FOLDER ONE_FILE_PAGE
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const zlib = require('zlib');
const { serveSite, stopServing, originOf, launchChromium, engines, sleep, audit } = require('./site_browser');

const [site, npmFolder, onePage] = process.argv.slice(2);
// Gzipped: the one file, which a player loads whole; the site, with its
// icons; the page's own voice in one language, fetched only where the device
// has none of it: its engine, its shared data and the language's own.
const maxBytes = { site: 100 * 1024, onePage: 64 * 1024, voice: 1200 * 1024 };
const waitMs = 15000;
// New keys take no tap for 0.7 s: a child waits that long.
const settleMs = 750;
let failures = 0;

function fail(message) {
  console.log(`FAIL ${message}`);
  ++failures;
}

// Every file of the site, and the one-file page, gzipped as a server would
// send them; the voice's files apart, by language.
function weighSite() {
  const gzipped = (file) => zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
  const files = fs.readdirSync(site, { recursive: true }).sort().map((name) => [name, path.join(site, name)])
    .filter(([name, file]) => fs.statSync(file).isFile() && !name.startsWith('voice'))
    .map(([name, file]) => [`  ${name}`, gzipped(file), Infinity]);
  const total = files.reduce((sum, [, bytes]) => sum + bytes, 0);
  const voice = path.join(site, 'voice');
  const { parts, voices } = JSON.parse(fs.readFileSync(path.join(voice, 'voices.json'), 'utf8'));
  const common = ['engine.js', 'worker.js', 'voices.json', parts.shared.file]
    .reduce((sum, name) => sum + gzipped(path.join(voice, name)), 0);
  const spoken = Object.entries(voices).map(([language, { part }]) =>
    [`voice in ${language}`, common + gzipped(path.join(voice, parts[part].file)), maxBytes.voice]);
  for (const [name, bytes, most] of [...files, ['site', total, maxBytes.site],
    [path.basename(onePage), gzipped(onePage), maxBytes.onePage], ...spoken]) {
    console.log(`${name}: ${bytes} bytes gzipped`);
    if (bytes > most) fail(`${name} weighs ${bytes} bytes gzipped, over ${most}`);
  }
}

// Runs `fn` in the page on `arg` until `done` holds of its value (until the
// value is true, by default); returns the value, or throws with `what` it
// waited for, or `what` of the last value.
async function poll(page, fn, arg, what, done = Boolean) {
  const deadline = Date.now() + waitMs;
  for (;;) {
    const value = await page.evaluate(fn, arg);
    if (done(value)) return value;
    if (Date.now() > deadline) throw new Error(`waited for ${typeof what === 'function' ? what(value) : what}`);
    await sleep(20);
  }
}

// The game's text as the page shows it, found by its role, in any engine.
const logText = () => document.querySelector('[role="log"]').textContent;

// Waits until the last rows of the screen, without their trailing blanks,
// match the patterns, the last pattern for the last row; returns the rows.
function expectBottom(page, ...patterns) {
  const rows = () => document.querySelector('[role="log"]').textContent.replace(/\s+$/, '').split('\n')
    .map((row) => row.replace(/\s+$/, ''));
  const what = (shown) => `${patterns.join(' ')}; the screen ends with:\n${shown.slice(-12).join('\n')}`;
  return poll(page, rows, null, what, (shown) => shown.length >= patterns.length &&
    patterns.every((pattern, i) => pattern.test(shown.at(i - patterns.length))));
}

// Runs `fn` in the page on `arg`, its `{names}` filled from `found`, and
// returns the value; fails, saying `what` (filled) and the value, where a
// `want` is given that the value does not match: a pattern, a test of it and
// of `found`, or the value itself (filled).
async function expectIn(page, found, fn, arg, want, what) {
  const value = await page.evaluate(fn, typeof arg === 'string' ? fill(arg, found) : arg);
  const matches = want === undefined || (want instanceof RegExp ? want.test(value) :
    typeof want === 'function' ? want(value, found) : value === (typeof want === 'string' ? fill(want, found) : want));
  if (!matches) fail(`${fill(what, found)}: ${JSON.stringify(value)}`);
  return value;
}

const problem = /^(\d+) ([-+x]) (\d+) = ?$/;
const mainMenu = [/^4\. {2}Help and Tips$/, /^5: {2}Exit$/];
const gameType = [/^1\. One Player$/, /^2\. Two Player$/];
const continuePrompt = [/^To go to the Main Menu Press 1\.$/, /^To quit press 2\.$/];

// A button found as a screen reader finds it, by its role and name; in any
// language, a choice by the key it shows, Enter and Backspace by theirs.
const button = (name) => `::-p-aria([role="button"][name="${name}"])`;
const keyShown = (key) => `::-p-xpath(//*[@id="keys"]//button[kbd="${key}" or @data-key="${key}"])`;
const tap = async (page, selector) => (await page.waitForSelector(selector)).tap();
const boxOf = async (page, selector) => (await page.waitForSelector(selector)).boundingBox();
// Taps the middle of `box` after each pause; returns the box.
async function tapAt(page, box, ...pauses) {
  for (const pause of pauses) {
    await sleep(pause);
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  }
  return box;
}
// The keys of ar-EG, whose digits are ٠١٢٣.
const arabicIndic = (text) => text.replace(/\d/g, (digit) => String.fromCharCode(0x660 + Number(digit)));

// How a child answers: typed on the keyboard, or tapped on the keys in the
// page's language, a choice by its words in English, by its key in others,
// each choice tapped twice, 200 ms apart, which must choose once.
const byKeys = { type: (page, text) => page.keyboard.type(text), press: (page, key) => page.keyboard.press(key),
  choose: (page, key) => page.keyboard.type(key).then(() => page.keyboard.press('Enter')) };
function byTaps(language = 'en') {
  const find = (key, name) => (language === 'en' ? button(name ?? key) : keyShown(key));
  return {
    type: async (page, text) => {
      await sleep(settleMs);
      for (const digit of language === 'ar-EG' ? arabicIndic(text) : text) await tap(page, button(digit));
    },
    press: (page, key) => tap(page, find(key)),
    choose: async (page, key, name) => tapAt(page, await boxOf(page, find(key, name)), settleMs, 200),
  };
}

// The ways text comes that a terminal emulator lost characters of, through
// CDP: an on-screen keyboard as Chrome on Android sends it (a key of code
// 229, the character inserted, the key up), text inserted alone (voice
// typing, handwriting), and an input method composing then committing with
// its Enter, a key of code 229 that must not send the line.
const otherWays = {
  android: async (cdp, text) => {
    const key = { windowsVirtualKeyCode: 229, key: 'Unidentified' };
    for (const character of text) {
      await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...key });
      await cdp.send('Input.insertText', { text: character });
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key });
    }
  },
  inserted: (cdp, text) => cdp.send('Input.insertText', { text }),
  composed: async (cdp, text) => {
    for (let i = 1; i <= text.length; ++i) {
      await cdp.send('Input.imeSetComposition', { text: text.slice(0, i), selectionStart: i, selectionEnd: i });
    }
    await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', windowsVirtualKeyCode: 229, key: 'Enter' });
    await cdp.send('Input.insertText', { text });
  },
};

// `{name}` in a step's text stands for what the flow has found: the last
// sum's text, first, second, right, wrong, other, far and said, and what
// steps put there; in a pattern, taken as it is.
const fill = (text, found, quote = (value) => value) =>
  text.replace(/\{(\w+)\}/g, (whole, name) => quote(String(found[name])));
const toPattern = (pattern, found) => (typeof pattern !== 'string' ? pattern :
  new RegExp(fill(pattern, found, (value) => value.replace(/[.*+?^${}()|[\]\\]/g, '\\$&'))));

// A flow is a list of steps, [verb, ...its arguments], each run in turn with
// the page and what the flow has found so far: `see` the screen end so,
// `sum` read a problem off it, `keys` and `line` typed, `type`, `press` and
// `choose` as the row's child answers, `expect` a value in the page, `get`
// one for later, `until` the page says so, `said` by Read aloud.
const verbs = {
  see: (page, found, ...patterns) => expectBottom(page, ...patterns.map((pattern) => toPattern(pattern, found))),
  // The rows seen, a problem among them: it, its answer, wrong ones and how
  // Read aloud says it are found.
  sum: async (page, found, ...patterns) => {
    const rows = (await expectBottom(page, ...patterns)).slice(-patterns.length);
    const [text, first, operator, second] = rows.find((row) => problem.test(row)).match(problem);
    const right = { '+': +first + +second, '-': first - second, x: first * second }[operator];
    const said = `What is ${first} ${{ '+': 'plus', '-': 'minus', x: 'times' }[operator]} ${second}?`;
    const [wrong, other, far] = [1, 2, 10].map((off) => String(right + off));
    Object.assign(found, { text: text.trim(), first, second, right: String(right), said, wrong, other, far });
  },
  keys: (page, found, text) => page.keyboard.type(fill(text, found)),
  line: (page, found, ...lines) => page.keyboard.type(fill(lines.map((line) => `${line}\n`).join(''), found)),
  // A chord such as 'Control+D': each key held down in turn, let go in reverse.
  chord: async (page, found, chord) => {
    for (const key of chord.split('+')) await page.keyboard.down(key);
    for (const key of chord.split('+').reverse()) await page.keyboard.up(key);
  },
  // As the row's child answers; a tapped choice is kept as `chosen`.
  type: (page, found, text) => found.input.type(page, fill(text, found)),
  press: (page, found, key) => found.input.press(page, key),
  choose: async (page, found, key, name) => (found.chosen = await found.input.choose(page, key, name)),
  // After a tap at the box kept as `found[box]`, the choices `keys` stand
  // clear of it.
  clear: (page, found, keys, box) => found[box] && expectIn(page, found, ([shown, at]) => Array.from(
    document.querySelectorAll('#choices button'), (choice) => [choice, choice.getBoundingClientRect()])
    .filter(([choice, r]) => shown.includes(choice.lastChild.textContent) && r.left < at.x + at.width &&
      at.x < r.right && r.top < at.y + at.height && at.y < r.bottom).length, [keys, found[box]], 0,
  `${keys} where ${JSON.stringify(found[box])} was tapped, at ${JSON.stringify(page.viewport())}`),
  box: async (page, found, name, selector) => (found[name] = await boxOf(page, selector)),
  // A tap where a key stood, `pause` ms later, at the continue prompt, lands
  // on nothing: the game waits there, its result shown.
  stray: async (page, found, box, pause, want = /^continue ./) => {
    await tapAt(page, found[box], pause);
    await expectIn(page, found, () => `${document.querySelector('main').dataset.asks} ${
      document.getElementById('result').hidden ? '' : document.getElementById('result').textContent}`, null, want,
    'a tap where a key stood, at the continue prompt');
  },
  // The screen made `height` px tall, once drawn so.
  height: async (page, found, height) => {
    await page.setViewport({ ...page.viewport(), height });
    await page.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
  },
  click: (page, found, selector) => page.click(selector),
  tap: (page, found, selector) => tap(page, selector),
  shown: async (page, found, selector, want, what) =>
    ((await (await page.$(selector))?.isVisible()) ?? false) === want || fail(what),
  expect: expectIn,
  // A value kept as `found[name]`, and expected where `want` is given.
  get: async (page, found, name, ...args) => (found[name] = await expectIn(page, found, ...args)),
  until: (page, found, test, what, arg = null) => poll(page, test, arg, what),
  // Another way of typing a line, then an input method's Enter that comes
  // once it no longer composes and must not send it, then Enter.
  way: async (page, found, way, text) => {
    found.cdp ??= await page.createCDPSession();
    await otherWays[way](found.cdp, fill(text, found));
    await found.cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', windowsVirtualKeyCode: 229, key: 'Enter' });
    await page.keyboard.press('Enter');
  },
  // What Read aloud's stand-in was asked to say since the last time, none
  // of it holding the game's slips, a letter or "Press" (but the page's "press Enter").
  said: async (page, found, ...expected) => {
    await poll(page, (count) => spoken.length >= count, expected.length, 'speech').catch(() => {});
    const said = await page.evaluate(() => spoken.splice(0));
    const heard = (words, i) => (words instanceof RegExp ? words.test(said[i]) : fill(words, found) === said[i]);
    if (said.length !== expected.length || !expected.every(heard) ||
      said.some((words) => /questiuon|reamain|thes rules|\bpress\b(?! Enter)| [ynbx]\b/i.test(words))) {
      fail(`read aloud: ${said.join('|')}, not ${expected.map((words) => fill(String(words), found)).join('|')}`);
    }
  },
  do: (page, found, fn) => fn(page, found),
  // A press as a screen reader or a switch makes it in Firefox: a click of
  // `detail` 1 with no pointer events.
  assist: async (page, found, name) => (await page.waitForSelector(button(name)))
    .evaluate((pressed) => pressed.dispatchEvent(new MouseEvent('click', { bubbles: true, detail: 1 }))),
  // The digits of `text` tapped on the keypad, the first after `first` ms, the rest `then` ms apart.
  pace: async (page, found, text, first, then = 200) => {
    for (const [i, digit] of Array.from(fill(text, found)).entries()) {
      await tapAt(page, await boxOf(page, button(digit)), i === 0 ? first : then);
    }
  },
  // The sum in `selector`, in ٠١٢٣, shows its first digit left of its last.
  inOrder: (page, found, selector) => expectIn(page, found, (shown) => {
    const text = document.querySelector(shown).firstChild;
    const sum = /[٠-٩]+\s[+−×]\s[٠-٩]+(?:\s=\s[٠-٩]+)?/.exec(text.textContent);
    const range = document.createRange();
    const leftOf = (at) => range.setStart(text, at) ?? range.setEnd(text, at + 1) ?? range.getBoundingClientRect().left;
    return sum !== null && leftOf(sum.index) < leftOf(sum.index + sum[0].length - 1);
  }, selector, true, `the first sum in ${selector} left to right`),
};
const bidiControls = /[\u202a-\u202e\u2066-\u2069]/g;

async function run(page, steps, input = byKeys) {
  const found = { input };
  for (const [verb, ...args] of steps) await verbs[verb](page, found, ...args);
}

// What a browser that can't run the module says, shown and announced, with
// nothing left to type in.
const cannotRun = ['until', () => {
  const alert = document.querySelector('[role="alert"]');
  return alert && alert.offsetHeight > 0 && document.getElementById('line').disabled &&
    /^This browser can't run Orvanell\. .* another one, will let you play\.$/.test(alert.textContent);
}, 'the message that the browser cannot run the game'];

// A one-player addition, its answer typed after two zeros, which the line
// drops, and a wrong digit erased before Enter; then out through the exit
// confirmation, each choice sending its key, as the echoes show; `atSum`
// run with the answer half typed. Tapped, the leaving choices stand clear of
// the keypad and of the choice before. No key is left.
const oneGame = (atSum = []) => [
  ['see', ...mainMenu], ['choose', '1', 'Addition'], ['see', ...gameType], ['choose', '1', 'One player'],
  ['sum', /^\d+ \+ \d+ =$/], ['type', '00{right}1'], ...atSum,
  ['do', async (page, found) => {
    found.keypad = found.input !== byKeys && await boxOf(page, '#keypad');
    for (let i = 0; i <= found.right.length; ++i) await found.input.press(page, 'Backspace');
  }], ['type', '{right}'], ['press', 'Enter'],
  ['see', '^{text}$', '^{right}$', /^Correct!!$/, /^You got 5 points good job!$/, ...continuePrompt],
  ['clear', '12', 'keypad'], ['choose', '1', 'Main menu'], ['see', ...mainMenu], ['clear', '5', 'chosen'],
  ['choose', '5', 'Leave'], ['see', /^If you want to reamain and play more games press n$/], ['clear', 'y', 'chosen'],
  ['choose', 'y', 'Yes, leave'], ['until', () => !document.getElementById('ended').hidden, 'the end of the game'],
  ['expect', (echoes) => echoes.filter((echo) => !document.querySelector('[role="log"]').textContent.includes(echo)),
    ['Exit\n1\nWhat', 'Player\n1\n', 'press 2.\n1\n ', 'Exit\n5\nAre', 'press n\ny\n'],
    (missing) => missing.length === 0, 'the choices\' echoes missing'],
  ['expect', () => Array.from(document.querySelectorAll('#keys button')).filter((key) => key.offsetWidth > 0).length,
    null, 0, 'keys still shown after the end'],
];

// At a sum: the question, the answer typed so far and Enter inside the part
// of the screen that shows, and nothing wider than it; the question at least
// half as large again as the game's text, the sum before its answer (left to
// right in every language), the number keyboard asked for, the log English.
const questionShown = (where) => [['expect', () => {
  const seen = visualViewport;
  const box = (selector) => document.querySelector(selector).getBoundingClientRect();
  const outside = ({ height, top, bottom, left, right }) => height === 0 || top < seen.offsetTop ||
    bottom > seen.offsetTop + seen.height || left < seen.offsetLeft || right > seen.offsetLeft + seen.width;
  const size = (selector) => parseFloat(getComputedStyle(document.querySelector(selector)).fontSize);
  return [['#question', '#line', '#keypad .enter'].filter((selector) => outside(box(selector))).join(' '),
    document.documentElement.scrollWidth > innerWidth, size('#question') / size('#transcript') >= 1.5,
    box('#question').left < box('#line').left, document.getElementById('line').inputMode,
    document.getElementById('transcript').lang].join();
}, null, ',false,true,true,numeric,en', `at a sum ${where}: what stands outside, the page wider, the question ` +
  'half as large again, the sum first, the input mode, the log\'s language']];

// With the keyboard up over 45% of the screen, and scrolled by it: the page
// follows the part still seen; then down again.
const keyboardUp = (where) => [['height', 464], ...questionShown(`with the keyboard up ${where}`), ['expect', () => {
  const scrolled = () => visualViewport.dispatchEvent(new Event('scroll'));
  Object.defineProperty(visualViewport, 'offsetTop', { value: 120, configurable: true });
  scrolled();
  const transform = document.querySelector('main').style.transform;
  delete visualViewport.offsetTop;
  scrolled();
  return transform;
}, null, 'translateY(120px)', `the keyboard scrolled the screen 120 px ${where}`], ['height', 844]];

// ar-EG's sum and its answer in the digits ٠١٢٣, which the game gets in
// ASCII; its first number leftmost, as written, where the bidi algorithm
// alone would turn Arabic-Indic ones round.
const arabicDigits = (where) => [...questionShown(where), ['expect', (controls) => ['question', 'line']
  .map((id) => document.getElementById(id)).map((shown) => shown.value ?? shown.textContent).join(' ')
  .replace(new RegExp(controls, 'g'), ''), bidiControls.source, /^[٠-٩]+\s\+\s[٠-٩]+\s=\s[٠-٩]+$/,
`${where}: the sum and its answer`], ['inOrder', '#question']];

// On a tablet with a keyboard case, nothing focused: a tool tapped keeps no
// focus, so the next line typed reaches the game too. Then a two-player
// addition typed those other ways, after the Keyboard button; each line
// must reach the game whole, as the game's own lines and the echo show.
const otherWaysPlayed = [
  ['do', () => sleep(settleMs)], ['click', '#again'], ['see', ...mainMenu], ['line', '4'], ['see', /^4\. Exit$/],
  ['tap', button('A+')], ['line', '1'], ['see', /^Press x to go back to the main menu$/], ['line', 'x'],
  ['tap', button('Keyboard')], ['see', ...mainMenu], ['way', 'android', '1'], ['see', ...gameType],
  ['way', 'inserted', '2'], ['see', /^Enter your name Player 1:$/],
  ['expect', () => document.getElementById('line').inputMode, null, 'text', 'a name is asked for with inputmode'],
  ['way', 'android', 'Anna'], ['see', /^Enter your name Player 1: Anna$/, /^$/, /^Enter your name Player 2:$/],
  ['way', 'composed', '雪乃'], ['sum', /^Enter your name Player 2: 雪乃$/, problem, /^Anna:$/],
  ['way', 'inserted', '{far}'], ['see', '^Anna: {far}$', /^Sorry\.\.\.wrong answer,$/, /^雪乃:$/],
  ['box', 'eight', button('8')], ['way', 'android', '{right}'],
  ['see', '^雪乃: {right}$', /^Great job 雪乃$/, /^You WON!$/, ...continuePrompt], ['stray', 'eight', settleMs],
];

// On a phone: no text box at a menu, a spaced name, the focus gone after the
// names; typed at a sum, a letter, spaces and full-width digits, four numbers
// on one line: only the digits kept, nine at most, with a hint, and sent in
// ASCII, as Arabic-Indic digits are; the verdict shown; four rounds missed,
// the answer given, kept through a stray tap; 1 0 and the answer, the 1
// erased; Enter tapped again 0.65 s after, no quit.
const judged = [
  ['see', ...mainMenu], ['shown', '#line', false, 'a touch screen shows a text box at the main menu'],
  ['choose', '1', 'Addition'], ['choose', '2', 'Two players'], ['line', 'Ana María', 'Bob'],
  ['sum', problem, /^Ana.María:$/],
  ['expect', () => document.activeElement.id, null, (id) => id !== 'line', 'the line keeps the focus after the names'],
  ['do', (page, found) => Object.assign(found, { kept: found.wrong.repeat(4).slice(0, 9),
    arabic: arabicIndic(found.other), wide: found.wrong.replace(/\d/g, (d) => String.fromCharCode(0xff10 + +d)) })],
  ['keys', 'a {wide} {wrong} {wrong} {wrong}'],
  ['expect', () => ['line', 'hint'].map((id) => document.getElementById(id)).map((shown) => shown.value ??
    (shown.hidden ? '' : shown.textContent)), null, ([value, hint], found) => value === found.kept && hint !== '',
  'a letter, spaces, full-width digits and four numbers'],
  ['line', '', '{arabic}'], ['see', '^Ana.María: {kept}$', /^Sorry/, '^Bob: {other}$', /^Sorry/, /^Ana.María:$/],
  ['expect', (controls) => ['who', 'verdict'].map((id) => document.getElementById(id))
    .map((shown) => (shown.hidden ? '' : shown.textContent)).join(' ').replace(new RegExp(controls, 'g'), ''),
  bidiControls.source, (shown, found) =>
    shown.startsWith('Ana\u00a0María ✗') && shown.replace(/\s/g, ' ').endsWith(`Bob: ${found.text} ${found.other}`),
  'judged'],
  ['box', 'eight', button('8')], ['keys', '{wrong}\n'.repeat(6)],
  ['see', /^Bob: \d+$/, /^Sorry/, /^Neither/, /^The correct/, ...continuePrompt],
  ['expect', () => document.querySelector('.right-answer b')?.textContent ?? 'nothing', null, '{right}',
    'after four rounds missed the page gives the answer'],
  ['stray', 'eight', settleMs], ['choose', '1', 'Main menu'], ['choose', '1', 'Addition'],
  ['choose', '1', 'One player'], ['sum', /^\d+ \+ \d+ =$/], ['type', '10{right}'],
  ['do', (page) => page.$eval('#line', (input) => input.setSelectionRange(1, 1))], ['tap', button('Backspace')],
  ['expect', () => document.getElementById('line').value, null, '{right}', '⌫ inside 10 and the sum'],
  ['box', 'enter', button('Enter')], ['press', 'Enter'], ['stray', 'enter', 650, /^continue ★★★★★/],
  ['choose', '1', 'Main menu'],
];

const fontSize = () => parseFloat(getComputedStyle(document.getElementById('transcript')).fontSize);

// At 320 CSS pixels: nothing wider than the screen, text of 18 px at least,
// the main menu's five choices of 44 px at least, and the size the player
// picks kept for next time, picked with Enter on A+ reached from the
// keyboard, which keeps the focus and sends nothing; then keys typed with
// the log focused go to the game, and a long stay, of which the page keeps
// only the last 4,900 to 5,000 lines; A+ grows the text each time until it
// greys out where the text stops growing, within 30 times.
const narrowScreen = [
  ['see', ...mainMenu], ['expect', () => [document.documentElement.scrollWidth, ...Array.from(
    document.querySelectorAll('#keys button'), (key) => key.getBoundingClientRect()).filter(({ width }) => width > 0)
    .map(({ width, height }) => Math.min(width, height))], null, ([width, ...keys]) => width <= 320 &&
    keys.length === 5 && Math.min(...keys) >= 44, 'at 320 px, the width and the main menu\'s keys'],
  ['get', 'usual', fontSize, null, (size) => size >= 18, 'the game\'s text in px'],
  ['do', (page) => page.screenshot({ path: path.join(site, '..', 'browser_test_phone.png') })],
  ['get', 'before', logText], ['do', (page) => page.focus('#larger')], ['keys', '\n'], ['get', 'larger', fontSize],
  ['expect', (before) => `${document.activeElement.id} ${
    document.querySelector('[role="log"]').textContent === before}`, '{before}', 'larger true',
    'Enter on A+ left the focus there and sent nothing'],
  ['do', (page) => page.reload()], ['see', ...mainMenu], ['expect', fontSize, null, (kept, found) =>
    found.larger > found.usual && kept === found.larger, 'text of {usual} px, {larger} px after A+, reloaded'],
  ['do', (page) => page.focus('#transcript')], ['line', '4'], ['see', /^4\. Exit$/],
  ['keys', `${'3\nb\n'.repeat(300)}4\n`], ['see', ...mainMenu],
  ['expect', () => document.querySelector('[role="log"]').textContent.split('\n').length - 1, null,
    (lines) => lines >= 4900 && lines <= 5000, 'the lines kept after a long stay'],
  ['expect', () => {
    const larger = document.getElementById('larger');
    const sizes = [];
    do {
      sizes.push(parseFloat(getComputedStyle(document.getElementById('transcript')).fontSize));
      larger.click();
    } while (sizes.length < 30 && !larger.disabled);
    return sizes;
  }, null, (sizes) => sizes.length < 30 && sizes.every((size, i) => i === 0 || size > sizes[i - 1]),
  'A+ made the text'],
];

// Before the page loads: the browser's languages, and what the page kept
// from an earlier visit.
const before = (languages, kept) => (page) => page.evaluateOnNewDocument((listed, stored) => {
  for (const [key, value] of Object.entries(stored)) localStorage.setItem(key, value);
  Object.defineProperty(navigator, 'languages', { get: () => listed });
}, languages, kept);

// A stand-in for the browser's speech that notes what it is asked to say
// (and a rate other than 0.9), '-' for each cancel, refuses until the page is
// touched and, once `noVoice` is set, fails with no code, as Firefox does
// where it lists no voices. Given voices, it lists them, and notes each
// utterance's language and ends it, as a device with voices does.
const standInSpeech = (voices = null) => (page) => page.evaluateOnNewDocument((listed) => {
  window.spoken = [];
  let touched = false;
  for (const type of ['pointerup', 'keydown']) addEventListener(type, () => { touched = true; }, true);
  // A browser's own utterance takes only the browser's own voices.
  if (listed) window.SpeechSynthesisUtterance = function Utterance(text) {
    return Object.assign(new EventTarget(), { text });
  };
  const speak = (utterance) => {
    const speaks = touched && !window.noVoice;
    if (speaks) {
      spoken.push(`${listed ? `${utterance.lang}: ` : ''}${utterance.text}` +
        (Math.fround(utterance.rate) === Math.fround(0.9) ? '' : ` at ${utterance.rate}`));
    }
    const error = Object.assign(new Event('error'), touched ? {} : { error: 'not-allowed' });
    if (!speaks || listed) setTimeout(() => utterance.dispatchEvent(speaks ? new Event('end') : error));
  };
  Object.defineProperty(window, 'speechSynthesis', { value: { speak, cancel: () => spoken.push('-'),
    getVoices: () => listed ?? [] } });
}, voices);

const readAloud = button('Read aloud');
const sayAgain = button('Say it again');
const menu = 'What shall we play? door: leave, plus, minus, times, question mark: help.';
const gameTypes = 'One player or two? one person, two people.';
const next = 'door: leave, house: main menu.';
const howTo = 'Type the number, then press Enter.';
const missed = `The answer was {right}. Good try! You'll get the next one! ${next}`;
const logLive = (live) => ['expect', () => document.querySelector('[role="log"]').getAttribute('aria-live'), null, live,
  'the log is aria-live'];

// Read aloud, with the stand-in. Nothing while off; one player's
// miss, with how to answer on a keyboard at the first sum heard, an empty
// Enter, which says it again, right, a main menu; on after a reload, where
// both speaker keys pulse until the first tap, on the toggle, reads the
// screen; four misses, Say it again, the times tips; two players, how to
// answer no more, a miss, Say it again cut off by a line sent with reading
// off, the winner, the end; the no-voice note. Nothing said holds the game's slips, a letter or "Press".
const readAloudHeard = [
  ['see', ...mainMenu], ['line', '1', '1'], ['sum', /^\d+ \+ \d+ =$/], ['said'], ['click', readAloud],
  ['said', '{said}'], logLive('off'), ['line', '{right}1', '', '{right}', '1'],
  ['said', '-', `Not this time. {said} ${howTo}`, '-', howTo, '-', `Right! You got 4 points. ${next}`, '-',
    menu],
  ['do', (page) => page.reload()], ['see', ...mainMenu],
  ['expect', () => document.getElementById('read-aloud').ariaPressed, null, 'true',
    'Read aloud, left on, shows pressed'],
  ['until', () => document.querySelectorAll('#read-aloud.waits, #say-again.waits').length === 2,
    'both speaker keys to pulse'],
  ['click', readAloud], ['said', `Orvanell. ${menu}`], ['line', '3', '1'], ['sum', /^\d+ x \d+ =$/],
  ['line', ...Array(4).fill('{right}1')], ['click', sayAgain],
  ['said', '-', `Multiplication. ${gameTypes}`, '-', `One player. {said} ${howTo}`,
    ...Array(3).fill(['-', 'Not this time. {said}']).flat(), '-', missed, '-', missed],
  ['line', '1', '4', '3', 'x'], ['said', '-', menu, '-',
    'Help and tips. Which tips? plus, minus, times, house: main menu.', '-',
    'Tips for times.', '-', menu],
  ['line', '1', '2', 'Ann', 'Bob'], ['sum', problem, /^Ann:$/], ['line', '{right}1'], ['click', readAloud],
  ['click', sayAgain], ['line', '{right}'], ['click', readAloud], ['line', '2'],
  ['said', '-', `Addition. ${gameTypes}`, '-', 'Two players. You are player 1. What is your name?', '-',
    'You are player 2. What is your name?', '-', 'Ann: {said}', '-', 'Not this time. Bob: {said}', '-', 'Bob: {said}',
    '-', `Right! Bob wins! ${next}`, '-', 'Leave. The game is over. To play again, tap the green button.'],
  ['do', (page) => page.evaluate(() => { window.noVoice = true; })], ['click', sayAgain],
  ['do', (page) => page.waitForSelector('#speech-note', { visible: true, timeout: 2000 })],
  ['expect', () => document.getElementById('speech-note').textContent, null,
    /^This device has no voice to read with\. .*Text-to-speech/, 'where no voice speaks, the page says'],
  ['said', '-'], ['click', readAloud], logLive('polite'),
];

// Read aloud in Spanish, the browser's language (es-MX), where the device has
// a Spanish voice, one online and an English one, left on: no English word of
// the page's is ever painted.
const inSpanish = [standInSpeech([{ lang: 'es-ES', localService: false }, { lang: 'es-MX', localService: true },
  { lang: 'en-GB', localService: true, default: true }]), before(['es-MX', 'es'], { 'orvanell-read-aloud': 'on' }),
(page) => page.evaluateOnNewDocument(() => {
  window.painted = new Set();
  const look = () => {
    const word = document.querySelector('[data-words="tool.keypad"]');
    if (word?.textContent && word.checkVisibility({ visibilityProperty: true })) painted.add(word.textContent);
    requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
})];

// The page's English words, which nothing said in Spanish holds.
const english = new RegExp('\\b(the|plus|minus|times|equals|player|points?|right|not|wins|game|over|tap|button|' +
  'house|door|main|menu|exit|quit|help|tips|what|which|yes|one|two)\\b', 'i');

// The first tap says the title, then the menu; a miss, right, the points,
// the addition tips, the end. The picker names each language in its own.
// Then German, which has no voice here: only the note, in German; then the
// picker back to English. All said but the title is said with the device's
// Spanish voice and holds no English word; the title with the English one.
const readAloudInSpanish = [
  ['see', ...mainMenu],
  ['expect', () => [...painted].join('|'), null, 'Teclado de números', 'the Keypad tool painted as'],
  ['click', '#transcript'], ['line', '1', '1'], ['sum', problem], ['line', '{right}1', '{right}', '1', '4', '1'],
  ['until', () => spoken.includes('es-MX: Si sumas 0, el número no cambia: 7 más 0 es 7.') &&
    /^es-MX: .*flecha: atrás/.test(spoken.at(-1)), 'the tips, a sentence at a time, and their choices said'],
  ['line', 'x', '5', 'y'], ['until', () => /^es-MX: .*Se acabó el juego/.test(spoken.at(-1)), 'the end said'],
  ['do', (page) => page.focus('#language')],
  ['expect', () => Array.from(document.querySelectorAll('#language option'), (o) => `${o.lang}=${o.value} ${o.text}`),
    null, (names) => ['de=de Deutsch', 'ar=ar العربية', 'pl=pl Polski', 'fr=fr Français', 'es=es Español',
      'en=en English'].every((name) => names.includes(name)), 'the picker names the languages'],
  ['expect', () => workers, null, 0, 'with a Spanish voice on the device, the page\'s own voice started'],
  ['do', (page) => page.select('#language', 'de')],
  ['until', () => /deutsche Stimme.*Einstellungen/.test(document.getElementById('speech-note').innerText),
    'the note, in German, that no German voice speaks'],
  ['do', (page) => page.select('#language', 'en')],
  ['until', () => spoken.at(-1).startsWith('en-GB: The game is over.'), 'the end said in English'],
  ['expect', () => spoken.filter((words) => words !== '-').slice(0, -1), null, (said, found) => said.filter((words) =>
    words === 'en-GB: Orvanell.').length === 1 && said.every((words) => words === 'en-GB: Orvanell.' ||
    (words.startsWith('es-MX: ') && !english.test(words))) &&
    said.some((words) => words.startsWith(`es-MX: Un jugador. ¿Cuánto es ${found.first} más ${found.second}? `) &&
      words.endsWith(' Escribe el número y luego presiona Enter.')),
  'read aloud in Spanish'],
  ['expect', () => `${document.documentElement.lang} ${document.dir} ${document.getElementById('speech-note').hidden}`,
    null, 'en ltr true', 'back in English, the page is'],
];

// A stand-in around the page's own voice that notes, in `voiced`, what it is
// asked to say ('language: text'), each sound played ('▶') and each stopped
// ('■'), and how many Workers the page starts.
const ownVoiceNoted = (page) => page.evaluateOnNewDocument(() => {
  Object.assign(window, { voiced: [], workers: 0 });
  const { Worker: Real, AudioBufferSourceNode: Source } = window;
  window.Worker = function Worker(...args) {
    workers += 1;
    const worker = new Real(...args);
    const send = worker.postMessage.bind(worker);
    worker.postMessage = (message) => {
      if (message.text) voiced.push(`${message.language}: ${message.text}`);
      send(message);
    };
    return worker;
  };
  for (const [name, sign] of [['start', '▶'], ['stop', '■']]) {
    const real = Source.prototype[name];
    Source.prototype[name] = function noted(...args) {
      voiced.push(sign);
      return real.apply(this, args);
    };
  }
});

// Where the device has no voice of the page's language (an English one
// only), the page's own speaks, after the first touch: the main menu heard
// through Web Audio, the note saying so, "Say it again" stopping it and
// starting it again, and after a right answer the next sum heard.
const heardFromPage = (language) => [
  ['see', ...mainMenu], ['click', '#transcript'],
  ['until', (tag) => voiced.length === 2 && voiced[1] === '▶' &&
    voiced[0].startsWith(`${tag}: ${pageCatalogues[tag]['say.ask.main-menu']} `), `the menu heard in ${language}`, language],
  ['expect', (tag) => document.getElementById('speech-note').textContent === ['no-voice.language', 'own-voice']
    .map((key) => pageCatalogues[tag][`note.${key}`]).join(' '), language, true, 'the note says the page\'s own voice speaks'],
  ['click', '#say-again'],
  ['until', () => voiced.length === 5 && voiced[2] === '■' && voiced[3] === voiced[0] && voiced[4] === '▶',
    `"Say it again" stopping and starting again in ${language}`],
  ['line', '1', '1'], ['sum', problem],
  ['expect', (sum) => new Promise((heard) => setInterval(() => voiced.at(-1) === '▶' &&
    voiced.at(-2).includes(sum) && heard(true), 20)), '{first}', true, `${language}: the sum heard`],
  ['line', '{right}'],
  ['until', (tag) => voiced.at(-1) === '▶' && voiced.at(-2).includes(pageCatalogues[tag]['say.right']),
    `${language}: the answer judged heard`, language],
];

// Read aloud on, in a language the device has no voice of.
const ownVoiceIn = (language) => [ownVoiceNoted, standInSpeech([{ lang: 'en-GB', localService: true }]),
  before([language], { 'orvanell-language': language, 'orvanell-read-aloud': 'on' })];
const ownVoiceInSpanish = ownVoiceIn('es');

// Every way in, with a mouse and a keyboard: presses with no pointer press
// of their own; ten ⌨ digits, nine kept and said; digits typed with the
// focus on a key; the continue prompt's choices first in the DOM; a click
// 0.3 s after another, elsewhere; records the page has no words for.
const everyWayIn = [
  ['see', ...mainMenu], ['assist', 'Addition'], ['see', ...gameType], ['assist', 'One player'],
  ['sum', /^\d+ \+ \d+ =$/], ['click', readAloud], ['do', async (page) => {
    for (let i = 0; i < 10; ++i) await page.click(button('1'));
  }], ['expect', () => spoken.splice(0).filter((said) => said === '1').length, null, 9, 'of ten digits, said'],
  ['click', readAloud], ['do', (page) => page.$eval('#line', (line) => { line.value = ''; })],
  ['do', (page) => page.focus('#keypad button')], ['line', '{right}'],
  ['see', /^Correct!!$/, /^You/, ...continuePrompt],
  ['expect', () => document.getElementById('keys').nextElementSibling.id, null, 'ask', 'the choices followed by'],
  ['click', button('Main menu')], ['do', () => sleep(300)], ['click', button('Leave')], ['see', /reamain/],
  ['expect', () => `${words.knows({ question: 'problem', kind: 'constructor' })} ${words.knows({ question: 'exit' })}`,
    null, 'false true', 'knows a sum of a kind "constructor", and an exit without choices'],
];

// Tapped as children tap, Read aloud on: how to answer is said as a tap; a
// fast child's first digit 0.6 s after the sum; a press held 0.75 s on
// "Help and tips", its bounce 0.25 s later; two children, named from a
// keyboard, a tap 0.3 s into each turn held back.
const childrensPace = [
  ['see', ...mainMenu], ['choose', '1', 'Addition'], ['choose', '1', 'One player'], ['sum', /^\d+ \+ \d+ =$/],
  ['pace', '{right}', 400], ['press', 'Enter'], ['see', /^Correct!!$/, /^You got 5/, ...continuePrompt],
  ['expect', () => spoken.some((said) => said.endsWith(' Tap the numbers, then the green button.')), null, true,
    'how to answer said on a touch screen'],
  ['choose', '1', 'Main menu'], ['see', ...mainMenu], ['do', async (page) => {
    const { x, y, width, height } = await boxOf(page, button('Help and tips'));
    await sleep(settleMs);
    await page.touchscreen.touchStart(x + width / 2, y + height / 2);
    await sleep(750);
    await page.touchscreen.touchEnd();
    await tapAt(page, { x, y, width, height }, 250);
  }], ['see', /^4\. Exit$/], ['do', () => sleep(100)],
  ['expect', () => document.querySelector('main').dataset.asks, null, 'help-menu', 'after a slow press and its bounce'],
  ['choose', '4', 'Main menu'], ['choose', '1', 'Addition'], ['choose', '2', 'Two players'], ['line', 'Ann', 'Bob'],
  ['sum', problem, /^Ann:$/], ['pace', '1', 300], ['pace', '{wrong}', settleMs], ['press', 'Enter'],
  ['see', '^Ann: {wrong}$', /^Sorry/, /^Bob:$/], ['pace', '1', 300], ['pace', '{right}', settleMs], ['press', 'Enter'],
  ['see', '^Bob: {right}$', /^Great job Bob$/, /^You WON!$/, ...continuePrompt],
];

// In ar-EG, typed: the tips' sums left to right; a name of two Arabic
// words, one of a space alone refused, "Sara " sent without its space; the
// name whole in the log; an answer in ٠١٢٣ sent by Ctrl+D, then Enter.
const arabicTyped = [
  ['see', ...mainMenu], ['line', '4', '1'], ['inOrder', '#tips p'], ['line', 'x', '1', '2', 'محمد علي', ' '],
  ['see', /^Enter your name Player 2:$/], ['line', 'Sara '],
  ['sum', /^Enter your name Player 2: Sara$/, problem, /^محمد.علي:$/],
  ['expect', () => Array.from(document.querySelectorAll('#transcript bdi'), (name) => name.textContent).join(), null,
    'محمد\u00a0علي,Sara,محمد\u00a0علي', 'the names isolated in the log'],
  ['do', (page, found) => { found.arabic = arabicIndic(found.right); }], ['keys', '{arabic}'], ['chord', 'Control+D'],
  ['keys', '\n'], ['see', '^محمد.علي: {right}$', /^Great job/, /^You Won!$/, ...continuePrompt],
];

// A catalogue that comes after the game's first question, or never: the
// page plays in English within seconds, its line focused once it shows.
const wordsLate = (tag, ms) => (page) => page.setRequestInterception(true).then(() => page.on('request', (request) =>
  (!request.url().endsWith(`/words/${tag}.js`) ? request.continue() : ms < Infinity &&
    setTimeout(() => request.continue(), ms))));
const wordsWaited = (word, language) => ['until', (want) => !document.documentElement.hasAttribute('data-words-wait') &&
  document.querySelector('[data-words="tool.keypad"]').textContent === want && document.activeElement.id === 'line',
`the page shown in ${language}, its line focused`, word];

function watch(page, allowed) {
  page.on('pageerror', (error) => fail(`page error: ${error.message}`));
  page.on('console', (message) => message.type() !== 'error' || fail(`console error: ${message.text()}`));
  page.on('request', (request) => allowed(request.url()) || fail(`the page asked for ${request.url()}`));
  return page;
}

// No serious or critical finding from axe-core.
async function checkAxe(page, where) {
  await page.evaluate(fs.readFileSync(path.join(npmFolder, 'node_modules', 'axe-core', 'axe.min.js'), 'utf8'));
  const { violations } = await page.evaluate(() => axe.run());
  for (const violation of violations.filter((found) => ['serious', 'critical'].includes(found.impact))) {
    fail(`axe, ${where}: ${violation.id}: ${violation.help}, at ` +
      violation.nodes.map((node) => node.target.join(' ')).join(', '));
  }
}

// Axe at the main menu's choices and at a sum with the keypad shown; a
// choice pressed from the keyboard gives the keyboard back to the line; back
// to the keyboard, Tab leaves the input for the next button as in any form,
// and Shift+Tab comes back; then the page is loaded afresh. Two players,
// named with the letters the page and the game take for keys (d, y, n, b,
// x), whose input ends with Ctrl+D at the first guess: every round then runs
// through without waiting, and the last rings the bell; then again.
const accessibleAndBell = [
  ['see', ...mainMenu], ['do', (page) => checkAxe(page, 'main menu')],
  ['do', async (page) => (await page.$(button('Addition'))).focus()], ['press', 'Enter'], ['see', ...gameType],
  ['expect', () => document.activeElement.id, null, 'line', 'a choice pressed from the keyboard leaves the focus on'],
  ['line', '1'], ['see', problem], ['do', (page) => checkAxe(page, 'a sum, keypad shown')], ['click', '#keyboard'],
  ['chord', 'Tab'], ['expect', () => document.activeElement.id, null, 'say-again', 'Tab from the input reaches'],
  ['chord', 'Shift+Tab'], ['expect', () => document.activeElement.id, null, 'line', 'Shift+Tab from there reaches'],
  ['do', (page) => page.reload()], ['see', ...mainMenu], ['do', (page, found) => {
    found.bell = page.waitForFunction(() => document.getElementById('game').classList.contains('bell'),
      { polling: 'mutation', timeout: waitMs * 2 }).catch(() => fail('the bell did not show'));
  }],
  ['line', '1', '2', 'Andy', 'Bex Dyn'], ['see', problem, /^Andy:$/], ['chord', 'Control+D'],
  ['see', /^Neither of you answered the question!$/, /^The correct answer was: \d+$/, ...continuePrompt,
    /^Please use one of the given options!$/],
  ['do', (page) => page.waitForSelector('#ended:not([hidden])', { visible: true, timeout: waitMs })],
  ['do', (page, found) => found.bell],
  ['do', (page) => page.screenshot({ path: path.join(site, '..', 'browser_test.png'), fullPage: true })],
  ['click', '#again'], ['see', ...mainMenu], ['shown', '#ended', false, 'the end stays shown after playing again'],
];

// The browser audit's mobile profile gives full marks, but for speed, which
// moves with the machine's load; in English, Arabic and Chinese.
async function checkAudit(url) {
  for (const language of ['en', 'ar', 'zh-CN']) {
    const report = await audit(npmFolder, url, ['accessibility', 'best-practices', 'seo'], language);
    for (const category of Object.values(report.categories).filter((found) => found.score !== 1)) {
      const failed = category.auditRefs.map((ref) => report.audits[ref.id])
        .filter((found) => found.score !== null && found.score < 1).map((found) => found.id);
      fail(`Lighthouse ${category.title} in ${language}: ${Math.round(category.score * 100)} (${failed.join(', ')})`);
    }
  }
}

// One game served and one from the one file, typed, in each engine, and the
// message on a copy of the one file whose WebAssembly is corrupt. WPE takes
// itself for a touch screen, where the input waits for a tap: the keys typed
// must reach the line all the same.
async function playInEveryEngine(origin, alone, broken) {
  const fromOneFile = (url) => url === `file://${alone}` || url.startsWith('data:');
  const games = [[`${origin}/`, (asked) => asked.startsWith(origin), oneGame()],
    [`file://${alone}`, fromOneFile, oneGame()], [`file://${broken}`, null, [cannotRun]]];
  for (const [name, launch] of Object.entries(engines)) {
    let engine = null;
    try {
      engine = await launch(npmFolder);
      for (const [url, allowed, steps] of games) {
        const tab = await engine.openTab();
        if (tab.page && allowed) watch(tab.page, allowed);
        await tab.goto(url);
        await run(tab, steps);
        await tab.close();
      }
      console.log(`${name}: played served and as one file, and said where it can't run: ${engine.version}`);
    } catch (error) {
      fail(`${name} ${engine?.version ?? ''}: ${error.message}`);
    } finally {
      await engine?.close();
    }
  }
}

// A new build takes over once no page of the old one is open: its cache
// holds its own files, not the old ones the host let the browser keep; it
// drops the old build's cache, and one named the old way (with no scope)
// that holds this folder's files, and keeps what another app, or the game at
// another path, cached on the origin. Returns a page of the new build.
async function installNewBuild(installed, page, served) {
  const scope = page.url();
  const origin = new URL(scope).origin;
  const others = { 'another-app': '/notes', [`orvanell-0123456789abcdef ${origin}/elsewhere/`]: '/elsewhere/',
    'orvanell-0123456789abcdef': '/elsewhere/page.js' };
  await page.evaluate((seeds) => Promise.all(Object.entries(seeds).map(([name, url]) => caches.open(name)
    .then((cache) => cache.put(url, new Response('kept'))))),
  { ...others, 'orvanell-fedcba9876543210': `${scope}page.js` });
  const oldCache = (await page.evaluate(() => caches.keys())).find((name) => name.endsWith(` ${scope}`));
  const change = '// the next build\n';
  fs.appendFileSync(path.join(served, 'page.js'), change);
  const worker = path.join(served, 'service-worker.js');
  fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(oldCache.split(' ')[0], 'orvanell-next-build'));
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found.update()));
  await poll(page, () => navigator.serviceWorker.getRegistration().then((found) => !found.installing), null,
    'the new build installed');
  await page.close();
  // The old page's going reaches the worker a moment after the tab closes:
  // wait outside the game's folder, or the next page may open under the old
  // build and keep the new one waiting.
  // (Watched only from the game on: the browser asks there for a favicon.ico.)
  const next = await installed.newPage();
  await next.goto(`${origin}/favicon.svg`);
  await poll(next, (at) => navigator.serviceWorker.getRegistration(at)
    .then((found) => !found.waiting && found.active?.state === 'activated'), scope, 'the new build to activate');
  await watch(next, (url) => url.startsWith(origin)).goto(scope);
  const newCache = `orvanell-next-build ${scope}`;
  const kept = [...Object.keys(others), newCache].sort().join();
  await poll(next, () => caches.keys().then((names) => names.sort().join()), null,
    (names) => `the new build to take over, the origin's caches ${kept}, not ${names}`, (names) => names === kept)
    .catch((error) => fail(error.message));
  await expectIn(next, {}, (name) => caches.open(name).then((cache) => cache.match('page.js'))
    .then((found) => found?.text()), newCache, (text) => text?.endsWith(change),
    'the new build\'s cache holds the old build\'s page.js');
  return next;
}

// A phone or tablet in `language`, the browser's and picked there before,
// tapped through one game: the sum in view (`atSum` checks more), axe at the
// main menu and a sum where `audited`, the page right to left in Arabic.
function phoneRow(language, [width, height, atSum = questionShown], audited) {
  const where = `at ${width} × ${height} in ${language}`;
  const axe = (at) => (audited ? [['do', (page) => checkAxe(page, `${at} ${where}`)]] : []);
  return { viewport: { width, height }, touch: true, setUp: [before([language], { 'orvanell-language': language })],
    input: byTaps(language), play: [...axe('the main menu'), ...oneGame([...atSum(where), ...axe('a sum')]),
      ['expect', () => document.dir, null, language.startsWith('ar') ? 'rtl' : 'ltr', `${where}: the page runs`]] };
}

// On a small phone, each screen's tips whole and at a child's size, a page
// at a time: "More tips" shows each once, then the first again.
const tipsPaged = [['see', ...mainMenu], ['choose', '4'], ['see', /^4\. Exit$/],
  ...['1', '2', '3'].flatMap((kind) => [['choose', kind], ['see', /^Press x to go back to the main menu$/],
    ['expect', () => {
      const tips = [...document.querySelectorAll('#tips p')];
      const more = document.getElementById('more-tips');
      const seen = [];
      do {
        seen.push(...tips.filter((tip) => !tip.hidden).map((tip) => (tip.getBoundingClientRect().bottom <=
          innerHeight && parseFloat(getComputedStyle(tip).fontSize) >= 18 ? tips.indexOf(tip) : 'cut')));
        more.click();
      } while (!more.hidden && tips[0].hidden);
      return `${seen}/${tips.length}`;
    }, null, (seen) => seen === `${[...Array(+seen.split('/')[1]).keys()]}/${seen.split('/')[1]}`,
    'the tips seen, a page at a time, of all'], ['choose', 'b'], ['see', /^4\. Exit$/]])];

// Every name and description (a title) that the page gives what a screen
// reader lands on, in each language picked: none as the English page has it
// but the game's name and the language's own words ("Enter" in Spanish).
// Paired by their order, roles and all, so that a control shown in one
// language and not another shows too.
async function namesTranslated(page) {
  const flat = (node) => [['StaticText', 'option', 'RootWebArea', 'generic', 'paragraph'].includes(node.role) ? [] :
    [[node.role, node.name ?? '', node.description ?? '']], ...(node.children ?? []).map(flat)].flat();
  const english = flat(await page.accessibility.snapshot());
  await page.focus('#language');
  for (const language of await page.$$eval('#language option', (options) => options.map(({ value }) => value))) {
    await page.select('#language', language);
    await poll(page, (tag) => document.documentElement.lang === tag &&
      !('wordsWait' in document.documentElement.dataset), language, `the page in ${language}`);
    const found = flat(await page.accessibility.snapshot());
    const own = await page.evaluate((tag) => ['Orvanell', ...Object.values(pageCatalogues[tag])], language);
    const left = found.flatMap(([role, ...named], i) => named.filter((name, j) => language !== 'en' &&
      name === english[i]?.[j + 1] && /\p{L}{2}/u.test(name) && !own.includes(name)).map((name) => `${role} "${name}"`));
    if (`${found.map(([role]) => role)}` !== `${english.map(([role]) => role)}` || left.length > 0) {
      fail(`in ${language}, ${left.join(', ') || 'other controls than in English'} at ${await page.evaluate(() =>
        document.querySelector('main').dataset.asks)}`);
    }
  }
  await page.select('#language', 'en');
}
const namesEverywhere = [['see', ...mainMenu], ['do', namesTranslated], ['choose', '4', 'Help and tips'],
  ['choose', '3', 'Tips for times'], ['see', /^Press x to go back to the main menu$/], ['do', namesTranslated],
  ['choose', 'x', 'Main menu'], ['choose', '1', 'Addition'], ['choose', '1', 'One player'], ['sum', problem],
  ['do', namesTranslated]];

// Phones upright, on their side, and with the keyboard up; in German too,
// whose words are longest, and in Arabic, right to left, on a tablet as well;
// axe in Arabic and Chinese; with the browser's language ar-EG, a whole game
// on the keys in ٠١٢٣.
const phones = [[320, 568], [568, 320], [390, 844, keyboardUp]];
const languages = { en: [...phones, [360, 740], [740, 360]], de: [...phones, [768, 1024]],
  ar: [...phones, [768, 1024]], 'zh-CN': [[360, 640]], 'ar-EG': [[360, 640, arabicDigits]] };

// Each a page of its own in Chromium, as on another device: its screen
// (1280 × 720 unless given), touch or not, what is done before the page
// loads, how the child answers, and what is played on it. Broken pages are
// not watched.
const rows = [
  { viewport: { width: 768, height: 1024 }, touch: true, input: byTaps(), play: [
    ...oneGame(questionShown('on a tablet')), ...otherWaysPlayed] },
  ...Object.entries(languages).flatMap(([language, setUps]) => setUps.map((setUp, i) =>
    phoneRow(language, setUp, i === 0 && ['ar', 'zh-CN'].includes(language)))),
  { viewport: { width: 320, height: 640 }, touch: true, input: byTaps(), play: [...judged, ...narrowScreen] },
  { viewport: { width: 360, height: 640 }, touch: true, input: byTaps(), play: namesEverywhere },
  ...['uk', 'de', 'zh-CN', 'ar'].map((language) => ({ viewport: { width: 360, height: 640 }, touch: true,
    setUp: [before([language], { 'orvanell-language': language })], input: byTaps(language), play: tipsPaged })),
  { setUp: [standInSpeech()], play: readAloudHeard },
  { setUp: [standInSpeech()], play: everyWayIn },
  { viewport: { width: 768, height: 1024 }, touch: true, input: byTaps(), play: childrensPace,
    setUp: [standInSpeech(), before(['en'], { 'orvanell-read-aloud': 'on' })] },
  { setUp: [before(['ar-EG'], {})], play: arabicTyped },
  { setUp: [before(['de'], {}), wordsLate('de', 1000)], play: [wordsWaited('Zahlentasten', 'German')] },
  { setUp: [standInSpeech([{ lang: 'de-DE', localService: true }, { lang: 'en-GB', localService: true }]),
    before(['de'], { 'orvanell-read-aloud': 'on' }), wordsLate('de', 1500)], waitUntil: 'domcontentloaded',
    play: [['click', '#transcript'], ['until', () => spoken.some((said) => said.startsWith('de-DE: ')), 'German said'],
      ['expect', () => spoken.some((said) => said.includes('What shall')), null, false, 'English said before German']] },
  { setUp: [before(['fr'], {}), wordsLate('fr', Infinity)], waitUntil: 'domcontentloaded',
    play: [wordsWaited('Keypad', 'English'), ['line', '1', '1'], ['see', problem]] },
  { setUp: [...inSpanish, ownVoiceNoted], play: readAloudInSpanish },
  ...['es', 'ar', 'zh-CN', 'es alone'].map((name) => name.split(' ')).map(([language, alone]) => ({ alone,
    play: heardFromPage(language), setUp: ownVoiceIn(language) })),
  { broken: true, setUp: [(page) => page.evaluateOnNewDocument(() => delete window.WebAssembly)], play: [cannotRun] },
  { broken: true, setUp: [(page) => page.setJavaScriptEnabled(false)], play: [
    ['shown', 'noscript p', true, 'the page says nothing with JavaScript turned off'],
    ['expect', () => document.querySelector('noscript p').textContent, null, /turned off/,
      'with JavaScript off, it says']] },
];

// A row with `alone` plays the one file where the build wrote it, beside
// the page's own voice as scripts.
async function playRow(browser, origin, row) {
  const page = await (await browser.createBrowserContext()).newPage();
  const url = row.alone ? pathToFileURL(path.resolve(onePage)).href : `${origin}/`;
  if (row.viewport) await page.setViewport({ ...row.viewport, isMobile: row.touch, hasTouch: row.touch });
  const own = row.alone ? [new URL('.', url).href, 'blob:null/'] : [origin];
  if (!row.broken) watch(page, (asked) => own.some((start) => asked.startsWith(start)));
  for (const setUp of row.setUp ?? []) await setUp(page);
  await page.goto(url, { waitUntil: row.waitUntil ?? 'load' });
  await run(page, row.play, row.input);
  await page.close();
}

async function main() {
  weighSite();
  const browser = await launchChromium(npmFolder);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'orvanell-'));
  // Served from a copy, which a new build replaces.
  const served = path.join(folder, 'site');
  fs.cpSync(site, served, { recursive: true });
  const server = await serveSite(served);
  const origin = originOf(server);
  try {
    for (const row of rows) await playRow(browser, origin, row);
    await checkAudit(`${origin}/`);
    // The one file, alone in a folder; and a copy whose module can't compile.
    const alone = path.join(folder, path.basename(onePage));
    fs.copyFileSync(onePage, alone);
    const broken = path.join(folder, 'broken.html');
    const wasm = /(<script id="orvanell-wasm"[^>]*>)0061736d/;
    fs.writeFileSync(broken, fs.readFileSync(onePage, 'utf8').replace(wasm, '$100000000'));
    await playInEveryEngine(origin, alone, broken);
    // Installed as an app from a folder of the site: in a profile of its own,
    // as an incognito one can't install; then played again with the network cut.
    const installed = await launchChromium(npmFolder, path.join(folder, 'profile'));
    const page = watch((await installed.pages())[0] ?? await installed.newPage(), (url) => url.startsWith(origin));
    await page.goto(`${origin}/sub/`);
    await run(page, accessibleAndBell);
    const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
    if (installabilityErrors.length > 0) fail(`not installable: ${JSON.stringify(installabilityErrors)}`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const next = await installNewBuild(installed, page, served);
    // The page's own voice, kept at its first sentence, speaks offline.
    for (const setUp of ownVoiceInSpanish) await setUp(next);
    await next.reload();
    await run(next, heardFromPage('es').slice(0, 3));
    stopServing(server);
    await next.setOfflineMode(true);
    await next.reload();
    await run(next, [...heardFromPage('es').slice(0, 3), ...oneGame()]);
    await installed.close();
  } catch (error) {
    fail(error.message);
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(folder, { recursive: true, force: true });
  }
  console.log(`browser: ${failures} failures`);
  process.exit(failures === 0 ? 0 : 1);
}

main();
