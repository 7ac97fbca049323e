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
// English and Spanish; no WebAssembly, no JavaScript. Then every engine
// (Chromium, Firefox ESR, WebKitGTK and WPE WebKit, an old tablet's WebKit)
// plays one game served and one from the one file as file://, and shows the
// message on a copy whose module can't compile. Last, the site installed
// from a folder: axe, Tab, two players whose input ends with Ctrl+D, which
// rings the bell, playing again, a new build and the network cut; and
// Lighthouse's audit.
//
// Usage: node browser_test.js SITE NPM_FOLDER ONE_FILE_PAGE
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { serveSite, stopServing, originOf, launchChromium, engines, sleep, audit } = require('./site_browser');

const [site, npmFolder, onePage] = process.argv.slice(2);
// Gzipped: the one file, which a player loads whole; the site, with its icons.
const maxBytes = { site: 100 * 1024, onePage: 64 * 1024 };
const waitMs = 15000;
// New keys take no tap for 0.7 s: a child waits that long.
const settleMs = 750;
let failures = 0;

function fail(message) {
  console.log(`FAIL ${message}`);
  ++failures;
}

// Every file of the site, and the one-file page, gzipped as a server would send them.
function weighSite() {
  const gzipped = (file) => zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
  let total = 0;
  for (const name of fs.readdirSync(site, { recursive: true }).sort()) {
    if (!fs.statSync(path.join(site, name)).isFile()) continue;
    const bytes = gzipped(path.join(site, name));
    console.log(`  ${name}: ${bytes} bytes gzipped`);
    total += bytes;
  }
  for (const [name, bytes, most] of [['site', total, maxBytes.site],
    [path.basename(onePage), gzipped(onePage), maxBytes.onePage]]) {
    console.log(`${name}: ${bytes} bytes gzipped`);
    if (bytes > most) fail(`${name} weighs ${bytes} bytes gzipped, over ${most}`);
  }
}

// The game's text as the page shows it, found by its role, in any engine.
function screenText(page) {
  return page.evaluate(() => document.querySelector('[role="log"]').textContent);
}

// Waits until the last rows of the screen, without their trailing blanks,
// match the patterns, the last pattern for the last row; returns the rows.
async function expectBottom(page, ...patterns) {
  const deadline = Date.now() + waitMs;
  for (;;) {
    const rows = (await screenText(page)).replace(/\s+$/, '').split('\n').map((row) => row.replace(/\s+$/, ''));
    const bottom = rows.slice(-patterns.length);
    if (bottom.length === patterns.length && patterns.every((pattern, i) => pattern.test(bottom[i]))) return rows;
    if (Date.now() > deadline) {
      throw new Error(`waited for ${patterns.join(' ')}; the screen ends with:\n${rows.slice(-12).join('\n')}`);
    }
    await sleep(20);
  }
}

// Waits until `test`, run in the page on `arg`, gives a true value; returns it.
async function waitUntil(page, test, what, arg) {
  const deadline = Date.now() + waitMs;
  for (;;) {
    const value = await page.evaluate(test, arg);
    if (value) return value;
    if (Date.now() > deadline) throw new Error(`waited for ${what}`);
    await sleep(50);
  }
}

const problem = /^(\d+) ([-+x]) (\d+) = ?$/;
const mainMenu = [/^4\. {2}Help and Tips$/, /^5: {2}Exit$/];
const gameType = [/^1\. One Player$/, /^2\. Two Player$/];
const continuePrompt = [/^To go to the Main Menu Press 1\.$/, /^To quit press 2\.$/];

// Waits for the rows, a problem among them; returns it, its answer and how
// Read aloud says it.
async function expectSum(page, ...patterns) {
  const rows = (await expectBottom(page, ...patterns)).slice(-patterns.length);
  const [text, first, operator, second] = rows.find((row) => problem.test(row)).match(problem);
  const right = String({ '+': +first + +second, '-': first - second, x: first * second }[operator]);
  const said = `${first} ${{ '+': 'plus', '-': 'minus', x: 'times' }[operator]} ${second} equals?`;
  return { text: text.trim(), first, second, right, said };
}

async function typeLine(page, text) {
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
}

async function isVisible(page, selector) {
  return (await (await page.$(selector))?.isVisible()) ?? false;
}

// A chord such as 'Control+D': each key held down in turn, let go in reverse.
async function pressChord(page, chord) {
  const keys = chord.split('+');
  for (const key of keys) await page.keyboard.down(key);
  for (const key of keys.reverse()) await page.keyboard.up(key);
}

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
  choose: (page, key) => typeLine(page, key) };
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

// After a tap at `box`, the choices `keys` stand clear of it.
async function standClear(page, keys, box) {
  const over = await page.$$eval('#choices button', (choices, [shown, at]) => choices.map((choice) => [choice,
    choice.getBoundingClientRect()]).filter(([choice, r]) => shown.includes(choice.lastChild.textContent) &&
    r.left < at.x + at.width && at.x < r.right && r.top < at.y + at.height && at.y < r.bottom).length, [keys, box]);
  if (over > 0) fail(`${keys} where ${JSON.stringify(box)} was tapped, at ${JSON.stringify(page.viewport())}`);
}

// A tap where a key stood, `pause` ms later, at the continue prompt, lands
// on nothing: the game waits there, its result shown; returns the result.
async function strayTap(page, box, pause) {
  await tapAt(page, box, pause);
  const result = await page.$eval('#result',
    (shown) => `${shown.closest('main').dataset.asks} ${shown.hidden ? '' : shown.textContent}`);
  if (!/^continue ./.test(result)) fail(`a tap where a key stood, at the continue prompt: ${result}`);
  return result;
}

// What a browser that can't run the module says, shown and announced, with
// nothing left to type in.
async function expectCannotRun(page) {
  const said = await waitUntil(page, () => {
    const alert = document.querySelector('[role="alert"]');
    return alert && alert.offsetHeight > 0 && document.getElementById('line').disabled && alert.textContent;
  }, 'the message that the browser cannot run the game');
  if (!/^This browser can't run Orvanell\. .* another one, will let you play\.$/.test(said)) {
    fail(`where the module can't run, the page says: ${said}`);
  }
}

// A one-player addition, its answer typed after two zeros, which the line
// drops, and a wrong digit erased before Enter; then out through the exit
// confirmation, each choice sending its key, as the echoes show; `atSum` is
// run with the answer half typed. Tapped, the leaving choices stand clear of
// the keypad and of the choice before. No key is left.
async function playOneGame(page, input, atSum) {
  await expectBottom(page, ...mainMenu);
  await input.choose(page, '1', 'Addition');
  await expectBottom(page, ...gameType);
  await input.choose(page, '1', 'One player');
  const sum = await expectSum(page, /^\d+ \+ \d+ =$/);
  await input.type(page, `00${sum.right}1`);
  await atSum?.(page);
  const keypad = input !== byKeys && await boxOf(page, '#keypad');
  for (let i = 0; i <= sum.right.length; ++i) await input.press(page, 'Backspace');
  await input.type(page, sum.right);
  await input.press(page, 'Enter');
  await expectBottom(page, new RegExp(`^${sum.text.replace('+', '\\+')}$`), new RegExp(`^${sum.right}$`), /^Correct!!$/,
    /^You got 5 points good job!$/, ...continuePrompt);
  if (keypad) await standClear(page, '12', keypad);
  const home = await input.choose(page, '1', 'Main menu');
  await expectBottom(page, ...mainMenu);
  if (keypad) await standClear(page, '5', home);
  const exit = await input.choose(page, '5', 'Exit');
  await expectBottom(page, /^If you want to reamain and play more games press n$/);
  if (keypad) await standClear(page, 'y', exit);
  await input.choose(page, 'y', 'Yes, leave');
  await waitUntil(page, () => !document.getElementById('ended').hidden, 'the end of the game');
  const text = await screenText(page);
  const echoes = ['Exit\n1\nWhat', 'Player\n1\n', 'press 2.\n1\n ', 'Exit\n5\nAre', 'press n\ny\n'];
  const missing = echoes.filter((echo) => !text.includes(echo));
  if (missing.length > 0) fail(`the choices' echoes: ${JSON.stringify(missing)} missing`);
  const keys = await page.evaluate(() => Array.from(document.querySelectorAll('#keys button'))
    .filter((key) => key.offsetWidth > 0).length);
  if (keys > 0) fail(`${keys} keys are still shown after the end`);
}

// At a sum: the question, the answer typed so far and Enter inside the part
// of the screen that shows, and nothing wider than it; the question at least
// half as large again as the game's text, the sum before its answer (left to
// right in every language), the number keyboard asked for, the log English.
async function checkQuestionShown(page, where) {
  const found = await page.evaluate(() => {
    const seen = visualViewport;
    const left = (selector) => document.querySelector(selector).getBoundingClientRect().left;
    const outside = ['#question', '#line', '#keypad .enter'].filter((selector) => {
      const box = document.querySelector(selector).getBoundingClientRect();
      return box.height === 0 || box.top < seen.offsetTop || box.bottom > seen.offsetTop + seen.height ||
        box.left < seen.offsetLeft || box.right > seen.offsetLeft + seen.width;
    });
    const size = (selector) => parseFloat(getComputedStyle(document.querySelector(selector)).fontSize);
    return { outside, larger: size('#question') / size('#transcript'), inputMode: document.getElementById('line').inputMode,
      wide: document.documentElement.scrollWidth > innerWidth, sumFirst: left('#question') < left('#line'),
      log: document.getElementById('transcript').lang };
  });
  if (found.outside.length > 0 || found.wide || found.larger < 1.5 || found.inputMode !== 'numeric' ||
    !found.sumFirst || found.log !== 'en') {
    fail(`at a sum ${where}: ${JSON.stringify(found)}`);
  }
}

// With the keyboard up over 45% of the screen, and scrolled by it: the page
// follows the part still seen; then down again.
async function keyboardUp(page, where) {
  for (const height of [464, 844]) {
    await page.setViewport({ ...page.viewport(), height });
    await page.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
    if (height > 464) continue;
    await checkQuestionShown(page, `with the keyboard up ${where}`);
    const moved = await page.evaluate(() => {
      const scrolled = () => visualViewport.dispatchEvent(new Event('scroll'));
      Object.defineProperty(visualViewport, 'offsetTop', { value: 120, configurable: true });
      scrolled();
      const transform = document.querySelector('main').style.transform;
      delete visualViewport.offsetTop;
      scrolled();
      return transform;
    });
    if (moved !== 'translateY(120px)') fail(`the keyboard scrolled the screen 120 px ${where}: ${moved}`);
  }
}

// ar-EG's sum and its answer in the digits ٠١٢٣, which the game gets in ASCII.
async function arabicDigits(page, where) {
  await checkQuestionShown(page, where);
  const shown = await page.evaluate(() => `${document.getElementById('question').textContent} ${document.getElementById('line').value}`);
  if (!/^[٠-٩]+ \+ [٠-٩]+ = [٠-٩]+$/.test(shown)) fail(`${where}: the sum and its answer show as ${shown}`);
}

// On a phone: no text box at a menu, a spaced name, the focus gone after the
// names; typed at a sum, a letter, spaces and full-width digits, four numbers
// on one line: only the digits kept, nine at most, with a hint, and sent in
// ASCII, as Arabic-Indic digits are; the verdict shown; four rounds missed,
// the answer given, kept through a stray tap; 1 0 and the answer, the 1
// erased; Enter tapped again 0.65 s after, no quit.
async function checkJudged(page) {
  const shown = (id) => page.$eval(`#${id}`, (element) => (element.hidden ? '' : element.textContent));
  const wide = (number) => String(number).replace(/\d/g, (digit) => String.fromCharCode(0xff10 + +digit));
  await expectBottom(page, ...mainMenu);
  if (await isVisible(page, '#line')) fail('a touch screen shows a text box at the main menu');
  for (const [key, name] of [['1', 'Addition'], ['2', 'Two players']]) await byTaps().choose(page, key, name);
  for (const name of ['Ana María', 'Bob']) await typeLine(page, name);
  const sum = await expectSum(page, problem, /^Ana.María:$/);
  if (await page.evaluate(() => document.activeElement.id) === 'line') fail('the line keeps the focus after the names');
  const [wrong, other] = [Number(sum.right) + 1, Number(sum.right) + 2];
  await page.keyboard.type(`a ${wide(wrong)} ${wrong} ${wrong} ${wrong}`);
  const kept = String(wrong).repeat(4).slice(0, 9);
  const line = [await page.$eval('#line', (input) => input.value), await shown('hint')];
  if (line[0] !== kept || line[1] === '') fail(`a letter, spaces, full-width digits and four numbers: ${line}`);
  await page.keyboard.press('Enter');
  await typeLine(page, arabicIndic(String(other)));
  await expectBottom(page, new RegExp(`^Ana.María: ${kept}$`), /^Sorry/, new RegExp(`^Bob: ${other}$`), /^Sorry/,
    /^Ana.María:$/);
  const judged = `${await shown('who')} ${await shown('verdict')}`;
  if (!judged.startsWith('Ana\u00a0María ✗') || !judged.endsWith(`Bob: ${sum.text} ${other}`)) fail(`judged: ${judged}`);
  const eight = await boxOf(page, button('8'));
  await page.keyboard.type(`${wrong}\n`.repeat(6));
  await expectBottom(page, /^Bob: \d+$/, /^Sorry/, /^Neither/, /^The correct/, ...continuePrompt);
  const told = await page.$eval('.right-answer b', (answer) => answer.textContent).catch(() => 'nothing');
  if (told !== sum.right) fail(`after four rounds missed the page gives the answer ${told}, not ${sum.right}`);
  await strayTap(page, eight, settleMs);
  for (const name of ['Main menu', 'Addition', 'One player']) await byTaps().choose(page, '1', name);
  const next = await expectSum(page, /^\d+ \+ \d+ =$/);
  await byTaps().type(page, `10${next.right}`);
  await page.$eval('#line', (input) => input.setSelectionRange(1, 1));
  await tap(page, button('Backspace'));
  if (await page.$eval('#line', (input) => input.value) !== next.right) fail('⌫ inside 10 and the sum');
  const enter = await tapAt(page, await boxOf(page, button('Enter')), 0);
  if (!(await strayTap(page, enter, 650)).startsWith('continue ★★★★★')) fail('Enter tapped again 0.65 s after a right answer');
  await byTaps().choose(page, '1', 'Main menu');
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

// On a tablet with a keyboard case, nothing focused: a tool tapped keeps no
// focus, so the next line typed reaches the game too. Then a two-player
// addition typed those other ways, after the Keyboard button, each line
// followed by an input method's Enter, of code 229, that comes once it is
// no longer composing and must not send; each line must reach the game
// whole, as the game's own lines and the echo show.
async function playOtherWays(page) {
  const cdp = await page.createCDPSession();
  const line = async (way, text) => {
    await otherWays[way](cdp, text);
    await cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', windowsVirtualKeyCode: 229, key: 'Enter' });
    await page.keyboard.press('Enter');
  };
  await sleep(settleMs);
  await page.click('#again');
  await expectBottom(page, ...mainMenu);
  await typeLine(page, '4');
  await expectBottom(page, /^4\. Exit$/);
  await tap(page, button('A+'));
  await typeLine(page, '1');
  await expectBottom(page, /^Press x to go back to the main menu$/);
  await typeLine(page, 'x');
  await tap(page, button('Keyboard'));
  await expectBottom(page, ...mainMenu);
  await line('android', '1');
  await expectBottom(page, ...gameType);
  await line('inserted', '2');
  await expectBottom(page, /^Enter your name Player 1:$/);
  const inputMode = await page.$eval('#line', (input) => input.inputMode);
  if (inputMode !== 'text') fail(`a name is asked for with inputmode ${inputMode}`);
  await line('android', 'Anna');
  await expectBottom(page, /^Enter your name Player 1: Anna$/, /^$/, /^Enter your name Player 2:$/);
  await line('composed', '雪乃');
  const sum = await expectSum(page, /^Enter your name Player 2: 雪乃$/, problem, /^Anna:$/);
  const wrong = String(Number(sum.right) + 10);
  await line('inserted', wrong);
  await expectBottom(page, new RegExp(`^Anna: ${wrong}$`), /^Sorry\.\.\.wrong answer,$/, /^雪乃:$/);
  const eight = await boxOf(page, button('8'));
  await line('android', sum.right);
  await expectBottom(page, new RegExp(`^雪乃: ${sum.right}$`), /^Great job 雪乃$/, /^You WON!$/, ...continuePrompt);
  await strayTap(page, eight, settleMs);
}

// A stand-in for the browser's speech that notes what it is asked to say
// (and a rate other than 0.9), '-' for each cancel, refuses until the page is
// touched and, once `noVoice` is set, fails with no code, as Firefox does
// where it lists no voices. Given voices, it lists them, and notes each
// utterance's language and ends it, as a device with voices does.
function standInSpeech(page, voices = null) {
  return page.evaluateOnNewDocument((listed) => {
    window.spoken = [];
    let touched = false;
    for (const type of ['pointerup', 'keydown']) addEventListener(type, () => { touched = true; }, true);
    // A browser's own utterance takes only the browser's own voices.
    if (listed) window.SpeechSynthesisUtterance = class extends EventTarget { constructor(text) { super(); this.text = text; } };
    const speak = (utterance) => {
      if (touched && !window.noVoice) {
        spoken.push(`${listed ? `${utterance.lang}: ` : ''}${utterance.text}` +
          (Math.fround(utterance.rate) === Math.fround(0.9) ? '' : ` at ${utterance.rate}`));
        if (listed) setTimeout(() => utterance.dispatchEvent(new Event('end')));
        return;
      }
      const error = Object.assign(new Event('error'), touched ? {} : { error: 'not-allowed' });
      setTimeout(() => utterance.dispatchEvent(error));
    };
    Object.defineProperty(window, 'speechSynthesis', { value: { speak, cancel: () => spoken.push('-'),
      getVoices: () => listed ?? [] } });
  }, voices);
}

// Read aloud, with the stand-in. Nothing while off; one player's
// miss, an empty Enter, right, a main menu; on after a reload, where both
// speaker keys pulse until the first tap, on the toggle, reads the screen;
// four misses, Say it again, the times tips; two players, a miss, Say it
// again cut off by a line sent with reading off, the winner, the end; the
// no-voice note. Nothing said holds the game's slips, a letter or "Press".
async function checkReadAloud(page) {
  const readAloud = button('Read aloud');
  const sayAgain = button('Say it again');
  const allSaid = [];
  const expectSaid = async (...expected) => {
    await waitUntil(page, (count) => spoken.length >= count, 'speech', expected.length).catch(() => {});
    const said = await page.evaluate(() => spoken.splice(0));
    allSaid.push(...said);
    const heard = (words, i) => (words instanceof RegExp ? words.test(said[i]) : words === said[i]);
    if (said.length !== expected.length || !expected.every(heard)) {
      fail(`read aloud: ${said.join('|')}, not ${expected.join('|')}`);
    }
  };
  const expectLog = async (live) => {
    const found = await page.$eval('[role="log"]', (log) => log.getAttribute('aria-live'));
    if (found !== live) fail(`the log is aria-live="${found}", not "${live}"`);
  };
  const typeLines = async (...lines) => {
    for (const line of lines) await typeLine(page, line);
  };
  const menu = 'What shall we play? the door: exit, plus, minus, times, the question mark: help.';
  const gameTypes = 'One player or two? one person, two people.';
  const next = 'the door: quit, the house: main menu.';
  const howTo = 'Tap the numbers, then the green button.';
  await expectBottom(page, ...mainMenu);
  await typeLines('1', '1');
  let sum = await expectSum(page, /^\d+ \+ \d+ =$/);
  await expectSaid();
  await page.click(readAloud);
  await expectSaid(sum.said);
  await expectLog('off');
  await typeLines(`${sum.right}1`, '', sum.right, '1');
  await expectSaid('-', `Not this time. ${sum.said}`, '-', `Right! You got 4 points. ${next}`, '-', `Main menu. ${menu}`);
  await page.reload();
  await expectBottom(page, ...mainMenu);
  if (await page.$eval('#read-aloud', (key) => key.ariaPressed) !== 'true') fail('Read aloud, left on, shows off');
  await waitUntil(page, () => document.querySelectorAll('#read-aloud.waits, #say-again.waits').length === 2,
    'both speaker keys to pulse').catch((error) => fail(error.message));
  await page.click(readAloud);
  await expectSaid(`Orvanell. ${menu}`);
  await typeLines('3', '1');
  sum = await expectSum(page, /^\d+ x \d+ =$/);
  await typeLines(...Array(4).fill(`${sum.right}1`));
  await page.click(sayAgain);
  const end = `It was ${sum.right}. Good try! You will get the next one. ${next}`;
  await expectSaid('-', `Multiplication. ${gameTypes}`, '-', `One player. ${sum.said} ${howTo}`,
    ...Array(3).fill(['-', `Not this time. ${sum.said}`]).flat(), '-', end, '-', end);
  await typeLines('1', '4', '3', 'x');
  await expectSaid('-', `Main menu. ${menu}`, '-', 'Help and tips. Which tips? plus, minus, times, the house: main menu.',
    '-', /^Times tips\. .*\b9 times 5 = 45\b.* the arrow back: back, the house: main menu\.$/, '-', `Main menu. ${menu}`);
  await typeLines('1', '2', 'Ann', 'Bob');
  sum = await expectSum(page, problem, /^Ann:$/);
  await typeLine(page, `${sum.right}1`);
  await page.click(readAloud);
  await page.click(sayAgain);
  await typeLine(page, sum.right);
  await page.click(readAloud);
  await typeLine(page, '2');
  await expectSaid('-', `Addition. ${gameTypes}`, '-', 'Two players. Player 1, what is your name?', '-',
    'Player 2, what is your name?', '-', `Ann: ${sum.said} ${howTo}`, '-', `Not this time. Bob: ${sum.said}`, '-',
    `Bob: ${sum.said}`, '-', `Right! Bob wins! ${next}`, '-', 'Quit. The game is over. To play again, tap the green button.');
  await page.evaluate(() => { window.noVoice = true; });
  await page.click(sayAgain);
  await page.waitForSelector('#speech-note', { visible: true, timeout: 2000 }).catch(() => fail('no no-voice note seen'));
  const note = await page.$eval('#speech-note', (shown) => shown.textContent);
  if (!/^This device has no voice to read with\. .*Text-to-speech/.test(note)) fail(`where no voice speaks, the page says: ${note}`);
  await expectSaid('-');
  await page.click(readAloud);
  await expectLog('polite');
  const slips = allSaid.filter((said) => /questiuon|reamain|thes rules|\bpress\b| [ynbx]\b/i.test(said));
  if (slips.length > 0) fail(`read aloud said: ${slips.join('|')}`);
}

// Read aloud in Spanish, the browser's language (es-MX), where the device has
// a Spanish voice, one online and an English one, left on: no English word of
// the page's is ever painted.
async function inSpanish(page) {
  await standInSpeech(page, [{ lang: 'es-ES', localService: false }, { lang: 'es-MX', localService: true },
    { lang: 'en-GB', localService: true, default: true }]);
  await page.evaluateOnNewDocument(() => {
    window.painted = new Set();
    const look = () => {
      const word = document.querySelector('[data-words="tool.keypad"]');
      if (word?.textContent && word.checkVisibility({ visibilityProperty: true })) painted.add(word.textContent);
      requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
    localStorage.setItem('orvanell-read-aloud', 'on');
  });
  await (await page.createCDPSession()).send('Emulation.setUserAgentOverride',
    { userAgent: await page.browser().userAgent(), acceptLanguage: 'es-MX,es' });
}

// The first tap says the title, then the menu; a miss, right, the points,
// the addition tips, the end. All is said with the device's Spanish voice
// and holds no English word, but the title, said with the English one. The
// picker names each language in its own. Then German, which has no voice
// here: only the note, in German; then the picker back to English.
async function checkReadAloudInSpanish(page) {
  await expectBottom(page, ...mainMenu);
  const seen = await page.evaluate(() => [...painted].join('|'));
  if (seen !== 'Teclado de números') fail(`the Keypad tool painted as ${seen}`);
  await page.click('#transcript');
  for (const line of ['1', '1']) await typeLine(page, line);
  const sum = await expectSum(page, problem);
  for (const line of [`${sum.right}1`, sum.right, '1', '4', '1']) await typeLine(page, line);
  await waitUntil(page, () => /^es-MX: .*\b7 más 0 = 7\b.* la flecha/.test(spoken.at(-1)), 'the tips and their choices said');
  for (const line of ['x', '5', 'y']) await typeLine(page, line);
  await waitUntil(page, () => /^es-MX: .*Se acabó el juego/.test(spoken.at(-1)), 'the end said');
  await page.focus('#language');
  const names = await page.$$eval('#language option', (options) => options.map((o) => `${o.lang}=${o.value} ${o.text}`));
  const own = ['de=de Deutsch', 'ar=ar العربية', 'pl=pl Polski', 'fr=fr Français', 'es=es Español', 'en=en English'];
  if (own.some((name) => !names.includes(name))) fail(`the picker names the languages ${names.join('|')}`);
  await page.select('#language', 'de');
  await waitUntil(page, () => /deutsche Stimme.*Einstellungen/.test(document.getElementById('speech-note').innerText),
    'the note, in German, that no German voice speaks');
  await page.select('#language', 'en');
  await waitUntil(page, () => spoken.at(-1).startsWith('en-GB: The game is over.'), 'the end said in English');
  const said = await page.evaluate(() => spoken.filter((words) => words !== '-').slice(0, -1));
  const english = /\b(the|plus|minus|times|equals|player|points?|right|not|wins|game|over|tap|button|house|door|main|menu|exit|quit|help|tips|what|which|yes|one|two)\b/i;
  const spanish = said.filter((words) => words !== 'en-GB: Orvanell.');
  const slips = spanish.filter((words) => !words.startsWith('es-MX: ') || english.test(words));
  if (said.length - spanish.length !== 1 ||
    !said.some((words) => words.startsWith(`es-MX: Un jugador. ¿Cuánto es ${sum.first} más ${sum.second}? `)) ||
    slips.length > 0) fail(`read aloud in Spanish: ${said.join('|')}`);
  const shown = await page.$eval('#speech-note', (note) => `${document.documentElement.lang} ${document.dir} ${note.hidden}`);
  if (shown !== 'en ltr true') fail(`back in English, the page is ${shown}`);
}

function watch(page, allowed) {
  page.on('pageerror', (error) => fail(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') fail(`console error: ${message.text()}`);
  });
  page.on('request', (request) => {
    if (!allowed(request.url())) fail(`the page asked for ${request.url()}`);
  });
  return page;
}

// No serious or critical finding from axe-core.
async function checkAxe(page, where) {
  if (!await page.evaluate(() => 'axe' in window)) {
    await page.evaluate(fs.readFileSync(path.join(npmFolder, 'node_modules', 'axe-core', 'axe.min.js'), 'utf8'));
  }
  const { violations } = await page.evaluate(() => axe.run());
  for (const violation of violations.filter((found) => ['serious', 'critical'].includes(found.impact))) {
    fail(`axe, ${where}: ${violation.id}: ${violation.help}, at ` +
      violation.nodes.map((node) => node.target.join(' ')).join(', '));
  }
}

// Axe at the main menu's choices and at a sum with the keypad shown; a
// choice pressed from the keyboard gives the keyboard back to the line; then
// the page is loaded afresh.
async function checkAccessibility(page) {
  await expectBottom(page, ...mainMenu);
  await checkAxe(page, 'main menu');
  await (await page.$(button('Addition'))).focus();
  await page.keyboard.press('Enter');
  await expectBottom(page, ...gameType);
  const focused = await page.evaluate(() => document.activeElement.id);
  if (focused !== 'line') fail(`a choice pressed from the keyboard leaves the focus on "${focused}"`);
  await typeLine(page, '1');
  await expectBottom(page, problem);
  await checkAxe(page, 'a sum, keypad shown');
  // Back to the keyboard: the input takes it again, and Tab leaves it for the
  // next button as in any form, and Shift+Tab comes back.
  await page.click('#keyboard');
  const tabbed = [];
  for (const chord of ['Tab', 'Shift+Tab']) {
    await pressChord(page, chord);
    tabbed.push(await page.evaluate(() => document.activeElement.id));
  }
  if (tabbed.join() !== 'say-again,line') fail(`Tab, then Shift+Tab, from the input reach ${tabbed}`);
  await page.reload();
}

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

// At 320 CSS pixels: nothing wider than the screen, text of 18 px at least,
// the main menu's five choices of 44 px at least, and the size the player
// picks kept for next time, picked with Enter on A+ reached from the
// keyboard, which keeps the focus and sends nothing; A+ greys out where the
// text stops growing; then keys typed with the log focused go to the game,
// and a long stay, of which the page keeps only the last lines.
async function checkNarrowScreen(page) {
  await expectBottom(page, ...mainMenu);
  const fontSize = () => page.$eval('#transcript', (text) => parseFloat(getComputedStyle(text).fontSize));
  const layout = await page.evaluate(() => ({
    width: document.documentElement.scrollWidth,
    keys: Array.from(document.querySelectorAll('#keys button'), (key) => key.getBoundingClientRect())
      .filter(({ width }) => width > 0).map(({ width, height }) => Math.min(width, height)),
  }));
  if (layout.width > 320) fail(`a 320 px screen scrolls sideways to ${layout.width} px`);
  if (layout.keys.length !== 5 || Math.min(...layout.keys) < 44) fail(`the main menu's keys: ${layout.keys}`);
  const usual = await fontSize();
  if (usual < 18) fail(`the game's text is ${usual} px`);
  await page.screenshot({ path: path.join(site, '..', 'browser_test_phone.png') });
  const before = await screenText(page);
  await page.focus('#larger');
  await page.keyboard.press('Enter');
  const larger = await fontSize();
  const focused = await page.evaluate(() => document.activeElement.id);
  if (focused !== 'larger' || await screenText(page) !== before) fail(`Enter on A+ left the focus on ${focused}`);
  await page.reload();
  await expectBottom(page, ...mainMenu);
  const kept = await fontSize();
  if (!(larger > usual && kept === larger)) fail(`text of ${usual} px, ${larger} px after A+, ${kept} px reloaded`);
  await page.focus('#transcript');
  await typeLine(page, '4');
  await expectBottom(page, /^4\. Exit$/);
  // A long stay, typed: a tips screen and back, 300 times. The page keeps
  // the last 4,900 to 5,000 lines, the newest.
  await page.keyboard.type(`${'3\nb\n'.repeat(300)}4\n`);
  await expectBottom(page, ...mainMenu);
  const lines = (await screenText(page)).split('\n').length - 1;
  if (lines < 4900 || lines > 5000) fail(`after a long stay the page keeps ${lines} lines`);
  const sizes = [kept];
  while (sizes.length < 30 && !await page.$eval('#larger', (key) => key.disabled)) {
    await page.click('#larger');
    sizes.push(await fontSize());
  }
  if (sizes.length === 30 || sizes.slice(0, -1).some((size, i) => i > 0 && size <= sizes[i - 1])) fail(`A+ made the text ${sizes}`);
}

// Two players, named with the letters the page and the game take for keys
// (d, y, n, b, x), whose input ends with Ctrl+D at the first guess: every
// round then runs through without waiting, and the last rings the bell;
// then again.
async function play(page) {
  await expectBottom(page, ...mainMenu);
  await page.evaluate(() => {
    window.bellRung = false;
    new MutationObserver(() => {
      window.bellRung ||= document.getElementById('game').classList.contains('bell');
    }).observe(document.getElementById('game'), { attributes: true });
  });
  for (const line of ['1', '2', 'Andy', 'Bex Dyn']) await typeLine(page, line);
  await expectBottom(page, problem, /^Andy:$/);
  await pressChord(page, 'Control+D');
  await expectBottom(page, /^Neither of you answered the question!$/, /^The correct answer was: \d+$/,
    ...continuePrompt, /^Please use one of the given options!$/);
  await page.waitForSelector('#ended:not([hidden])', { visible: true, timeout: waitMs });
  if (!(await page.evaluate(() => window.bellRung))) fail('the bell did not show');
  await page.screenshot({ path: path.join(site, '..', 'browser_test.png'), fullPage: true });
  await page.click('#again');
  await expectBottom(page, ...mainMenu);
  if (await isVisible(page, '#ended')) fail('the end stays shown after playing again');
}

// One game served and one from the one file, typed, in each engine, and the
// message on a copy of the one file whose WebAssembly is corrupt. WPE takes
// itself for a touch screen, where the input waits for a tap: the keys typed
// must reach the line all the same.
async function playInEveryEngine(origin, alone, broken) {
  const fromOneFile = (url) => url === `file://${alone}` || url.startsWith('data:');
  const games = [[`${origin}/`, (asked) => asked.startsWith(origin), (tab) => playOneGame(tab, byKeys)],
    [`file://${alone}`, fromOneFile, (tab) => playOneGame(tab, byKeys)], [`file://${broken}`, null, expectCannotRun]];
  for (const [name, launch] of Object.entries(engines)) {
    let engine = null;
    try {
      engine = await launch(npmFolder);
      for (const [url, allowed, played] of games) {
        const tab = await engine.openTab();
        if (tab.page && allowed) watch(tab.page, allowed);
        await tab.goto(url);
        await played(tab);
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
  await page.evaluate((seeds) => Promise.all(seeds.map(([name, url]) => caches.open(name)
    .then((cache) => cache.put(url, new Response('kept'))))),
  Object.entries({ ...others, 'orvanell-fedcba9876543210': `${scope}page.js` }));
  const oldCache = (await page.evaluate(() => caches.keys())).find((name) => name.endsWith(` ${scope}`));
  const change = '// the next build\n';
  fs.appendFileSync(path.join(served, 'page.js'), change);
  const worker = path.join(served, 'service-worker.js');
  fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(oldCache.split(' ')[0], 'orvanell-next-build'));
  await page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found.update()));
  await waitUntil(page, () => navigator.serviceWorker.getRegistration().then((found) => !found.installing),
    'the new build installed');
  await page.close();
  // The old page's going reaches the worker a moment after the tab closes:
  // wait outside the game's folder, or the next page may open under the old
  // build and keep the new one waiting.
  // (Watched only from the game on: the browser asks there for a favicon.ico.)
  const next = await installed.newPage();
  await next.goto(`${origin}/favicon.svg`);
  await waitUntil(next, (at) => navigator.serviceWorker.getRegistration(at)
    .then((found) => !found.waiting && found.active?.state === 'activated'), 'the new build to activate', scope);
  await watch(next, (url) => url.startsWith(origin)).goto(scope);
  const newCache = `orvanell-next-build ${scope}`;
  try {
    await waitUntil(next, (expected) => caches.keys().then((names) => names.sort().join() === expected),
      'the new build to take over', [...Object.keys(others), newCache].sort().join());
  } catch {
    fail(`after a new build took over, the origin's caches are ${await next.evaluate(() => caches.keys())}`);
  }
  const pageScript = await next.evaluate((name) => caches.open(name).then((cache) => cache.match('page.js'))
    .then((found) => found?.text()), newCache);
  if (!pageScript?.endsWith(change)) fail('the new build\'s cache holds the old build\'s page.js');
  return next;
}

// The browser's language `tag`, picked there before.
const inLanguage = (tag) => (page) => page.evaluateOnNewDocument((picked) => {
  localStorage.setItem('orvanell-language', picked);
  Object.defineProperty(navigator, 'languages', { get: () => [picked] });
}, tag);

// A phone or tablet in `language`, tapped through one game: the sum in view
// (`atSum` checks more), axe at the main menu and a sum where `audited`, the
// page right to left in Arabic.
function phoneRow(language, [width, height, atSum], audited) {
  const where = `at ${width} × ${height} in ${language}`;
  const atSumToo = async (page) => {
    await (atSum ?? checkQuestionShown)(page, where);
    if (audited) await checkAxe(page, `a sum ${where}`);
  };
  return { viewport: { width, height }, touch: true, setUp: inLanguage(language), play: [
    async (page) => audited && checkAxe(page, `the main menu ${where}`),
    (page) => playOneGame(page, byTaps(language), atSumToo),
    async (page) => {
      const runs = await page.evaluate(() => document.dir);
      if (runs !== (language.startsWith('ar') ? 'rtl' : 'ltr')) fail(`${where}: the page runs ${runs}`);
    }] };
}

// Phones upright, on their side, and with the keyboard up; in German too,
// whose words are longest, and in Arabic, right to left, on a tablet as well;
// axe in Arabic and Chinese; with the browser's language ar-EG, a whole game
// on the keys in ٠١٢٣.
const phones = [[320, 568], [568, 320], [390, 844, keyboardUp]];
const languages = { en: [...phones, [360, 740], [740, 360]], de: [...phones, [768, 1024]],
  ar: [...phones, [768, 1024]], 'zh-CN': [[360, 640]], 'ar-EG': [[360, 640, arabicDigits]] };

// Each a page of its own in Chromium, as on another device: its screen
// (1280 × 720 unless given), touch or not, what is done before the page
// loads, and what is played on it. Broken pages are not watched.
const rows = [
  { viewport: { width: 768, height: 1024 }, touch: true, play: [
    (page) => playOneGame(page, byTaps(), (at) => checkQuestionShown(at, 'on a tablet')), playOtherWays] },
  ...Object.entries(languages).flatMap(([language, setUps]) => setUps.map((setUp, i) =>
    phoneRow(language, setUp, i === 0 && ['ar', 'zh-CN'].includes(language)))),
  { viewport: { width: 320, height: 640 }, touch: true, play: [checkJudged, checkNarrowScreen] },
  { setUp: standInSpeech, play: [checkReadAloud] },
  { setUp: inSpanish, play: [checkReadAloudInSpanish] },
  { broken: true, setUp: (page) => page.evaluateOnNewDocument(() => delete globalThis.WebAssembly),
    play: [expectCannotRun] },
  { broken: true, setUp: (page) => page.setJavaScriptEnabled(false), play: [async (page) => {
    const shown = await isVisible(page, 'noscript p') &&
      /turned off/.test(await page.$eval('noscript p', (said) => said.textContent));
    if (!shown) fail('the page says nothing with JavaScript turned off');
  }] },
];

async function playRow(browser, origin, row) {
  const page = await (await browser.createBrowserContext()).newPage();
  if (row.viewport) await page.setViewport({ ...row.viewport, isMobile: row.touch, hasTouch: row.touch });
  if (!row.broken) watch(page, (url) => url.startsWith(origin));
  await row.setUp?.(page);
  await page.goto(`${origin}/`);
  for (const step of row.play) await step(page);
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
    await checkAccessibility(page);
    await play(page);
    const { installabilityErrors } = await (await page.createCDPSession()).send('Page.getInstallabilityErrors');
    if (installabilityErrors.length > 0) fail(`not installable: ${JSON.stringify(installabilityErrors)}`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const next = await installNewBuild(installed, page, served);
    stopServing(server);
    await next.setOfflineMode(true);
    await next.reload();
    await playOneGame(next, byKeys);
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
