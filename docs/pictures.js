// Takes the README's two pictures from the real builds: docs/terminal.png,
// the native game played in a tmux terminal, and docs/phone.png, the served
// page on a phone at a sum, in headless Chromium through the puppeteer-core
// the browser test uses. Run it after changing the page or how the game
// looks, and commit the pictures; CI takes none.
//
// Usage: node docs/pictures.js [RELEASE_BUILD WEB_BUILD]
//   Without folders it builds the release and web presets first (CMake,
//   a compiler, Emscripten); it always needs tmux and Chromium.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { serveSite, originOf, launchChromium, sleep } = require('../tests/site_browser');

const root = path.resolve(__dirname, '..');
const terminalSize = { columns: 64, rows: 22 };
// An everyday phone held upright, drawn at 1.5 pixels a CSS pixel: sharp
// enough to read, small enough for the README.
const phone = { width: 390, height: 780, deviceScaleFactor: 1.5, isMobile: true, hasTouch: true };
const waitMs = 15000;

function buildFolders() {
  const given = process.argv.slice(2);
  if (given.length === 2) return given.map((folder) => path.resolve(folder));
  if (given.length !== 0) throw new Error('usage: node docs/pictures.js [RELEASE_BUILD WEB_BUILD]');
  for (const preset of ['release', 'web']) {
    execFileSync('cmake', ['--preset', preset], { cwd: root, stdio: 'inherit' });
    execFileSync('cmake', ['--build', '--preset', preset, '--parallel', '2'], { cwd: root, stdio: 'inherit' });
  }
  return [path.join(root, 'build', 'release'), path.join(root, 'build', 'web')];
}

// Waits until `test` gives a true value; returns it.
async function waitFor(test, what) {
  const deadline = Date.now() + waitMs;
  for (;;) {
    const value = await test();
    if (value) return value;
    if (Date.now() > deadline) throw new Error(`waited for ${what}`);
    await sleep(50);
  }
}

function answer(first, operator, second) {
  if (operator === '+') return first + second;
  if (operator === '-') return first - second;
  return first * second;
}

function answerOf(sum) {
  const [, first, operator, second] = sum.match(/(\d+) ([-+x]) (\d+) =/);
  return String(answer(Number(first), operator, Number(second)));
}

// A one-player addition answered right, in a tmux server of our own with no
// user configuration; resolves to the screen's rows and where the cursor is.
async function playInTerminal(game) {
  const socket = `orvanell-pictures-${process.pid}`;
  const tmux = (...args) => execFileSync('tmux', ['-L', socket, ...args], { encoding: 'utf8' });
  const env = { ...process.env };
  delete env.TMUX;
  execFileSync('tmux', ['-L', socket, '-f', '/dev/null', 'new-session', '-d', '-x', String(terminalSize.columns),
    '-y', String(terminalSize.rows), '-s', 'game', game], { env });
  try {
    const screen = () => tmux('capture-pane', '-p', '-t', 'game');
    const lastRow = () => screen().trimEnd().split('\n').pop();
    const typeLine = (text) => {
      tmux('send-keys', '-t', 'game', '-l', text);
      tmux('send-keys', '-t', 'game', 'Enter');
    };
    await waitFor(() => lastRow().startsWith('5:'), 'the main menu');
    typeLine('1');
    await waitFor(() => lastRow().startsWith('2. Two Player'), 'the game types');
    typeLine('1');
    const sum = await waitFor(() => / =$/.test(lastRow()) && lastRow(), 'a sum');
    typeLine(answerOf(sum));
    await waitFor(() => lastRow().startsWith('To quit'), 'the end of the game');
    const rows = screen().replace(/\n$/, '').split('\n');
    const [x, y] = tmux('display-message', '-p', '-t', 'game', '#{cursor_x} #{cursor_y}').trim().split(' ').map(Number);
    return { rows, cursor: { x, y } };
  } finally {
    tmux('kill-server');
  }
}

const escapeHtml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

// The screen's text as a terminal window draws it, light on dark in one
// width for every character, with a block cursor.
function terminalHtml({ rows, cursor }) {
  const lines = rows.map((row, y) => {
    if (y !== cursor.y) return escapeHtml(row);
    const padded = row.padEnd(cursor.x + 1);
    return `${escapeHtml(padded.slice(0, cursor.x))}<span class="cursor">${escapeHtml(padded[cursor.x])}</span>` +
      escapeHtml(padded.slice(cursor.x + 1));
  });
  return `<!DOCTYPE html><html><head><style>
    body { margin: 0; background: #fff; }
    .window { display: inline-block; border-radius: 8px; overflow: hidden; background: #1d1f21; }
    .title { background: #3a3d41; color: #ccc; font: 13px 'DejaVu Sans', sans-serif; text-align: center;
      padding: 5px 0; }
    pre { margin: 0; padding: 10px 14px; color: #e0e0e0; font: 15px/1.3 'DejaVu Sans Mono', monospace;
      width: ${terminalSize.columns}ch; height: ${terminalSize.rows * 1.3}em; }
    .cursor { background: #e0e0e0; color: #1d1f21; }
  </style></head><body><div class="window"><div class="title">orvanell</div>
  <pre>${lines.join('\n')}</pre></div></body></html>`;
}

async function takeTerminal(browser, screen, file) {
  const page = await browser.newPage();
  await page.setContent(terminalHtml(screen));
  await (await page.$('.window')).screenshot({ path: file });
  await page.close();
}

// A one-player addition on the served site: menus chosen by typing their
// keys, the answer tapped on the keypad and not yet sent. It waits on the
// game's own text, found as a screen reader finds it, which stays as the
// game wrote it whatever the page around it becomes.
async function takePhone(browser, site, file) {
  const server = await serveSite(site);
  try {
    const page = await browser.newPage();
    await page.setViewport(phone);
    await page.goto(`${originOf(server)}/`);
    const lastRow = () => page.evaluate(() => document.querySelector('[role="log"]').textContent.trimEnd()
      .split('\n').pop());
    const typeLine = async (text) => {
      await page.keyboard.type(text);
      await page.keyboard.press('Enter');
    };
    await waitFor(async () => (await lastRow()).startsWith('5:'), 'the main menu');
    await typeLine('1');
    await waitFor(async () => (await lastRow()).startsWith('2. Two Player'), 'the game types');
    await typeLine('1');
    const sum = await waitFor(async () => {
      const row = await lastRow();
      return / =$/.test(row) && row;
    }, 'a sum');
    for (const digit of answerOf(sum)) {
      await (await page.waitForSelector(`::-p-aria([role="button"][name="${digit}"])`, { visible: true })).tap();
    }
    // Past the tapped key's highlight.
    await sleep(1000);
    await page.screenshot({ path: file });
    await page.close();
  } finally {
    server.close();
  }
}

async function main() {
  const [release, web] = buildFolders();
  const screen = await playInTerminal(path.join(release, 'orvanell'));
  const browser = await launchChromium(path.join(web, 'npm'));
  try {
    await takeTerminal(browser, screen, path.join(__dirname, 'terminal.png'));
    await takePhone(browser, path.join(web, 'site'), path.join(__dirname, 'phone.png'));
  } finally {
    await browser.close();
  }
  // The README shows both on its first screen, which a slow connection loads too.
  let tooLarge = false;
  for (const name of ['terminal.png', 'phone.png']) {
    const bytes = fs.statSync(path.join(__dirname, name)).size;
    console.log(`docs/${name}: ${bytes} bytes`);
    tooLarge ||= bytes > 100 * 1024;
  }
  if (tooLarge) throw new Error('a picture is over 100 KB: take it smaller (terminalSize, phone)');
}

main().catch((error) => {
  console.log(`FAIL ${error.message}`);
  process.exit(1);
});
