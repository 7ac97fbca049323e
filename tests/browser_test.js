// Plays the web page in headless Chromium as a person would: waits for each
// prompt at the bottom of the terminal, reads the problems off it and types
// the answers. A one-player game answered right, a two-player game with two
// names, a tips screen left with x, quitting through the exit confirmation,
// then playing again and ending the input with Ctrl+D, which rings the bell.
// It reads the rows the terminal draws, checks that a screen reader gets the
// same text, that the page never reaches outside its own site, weighs the site
// and saves a screenshot beside it.
//
// Usage: node browser_test.js SITE NPM_FOLDER
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { serveSite, originOf, launchChromium } = require('./site_browser');

const [site, npmFolder] = process.argv.slice(2);
const maxSiteBytes = 200 * 1024;
const waitMs = 15000;
let failures = 0;

function fail(message) {
  console.log(`FAIL ${message}`);
  ++failures;
}

// Every file of the site, gzipped as a server would send it.
function weighSite() {
  let total = 0;
  for (const name of fs.readdirSync(site).sort()) {
    const bytes = zlib.gzipSync(fs.readFileSync(path.join(site, name)), { level: 9 });
    console.log(`  ${name}: ${bytes.length} bytes gzipped`);
    total += bytes.length;
  }
  console.log(`site: ${total} bytes gzipped`);
  if (total > maxSiteBytes) fail(`the site weighs ${total} bytes gzipped, over ${maxSiteBytes}`);
}

// The rows of text under `selector`, without their trailing blanks, and
// without the blank rows below: what the terminal draws ('.xterm-rows') or
// what it gives a screen reader ('.xterm-accessibility-tree').
async function rows(page, selector) {
  const texts = await page.$$eval(`${selector} > div`,
    (elements) => elements.map((element) => element.textContent.replace(/\s+$/, '')));
  while (texts.length > 0 && texts[texts.length - 1] === '') texts.pop();
  return texts;
}

function screenRows(page) {
  return rows(page, '.xterm-rows');
}

// The screen reader's rows catch up within a second or so.
async function expectReaderToMatchScreen(page) {
  const deadline = Date.now() + waitMs;
  for (;;) {
    const shown = await screenRows(page);
    const read = await rows(page, '.xterm-accessibility-tree');
    if (shown.length > 0 && shown.join('\n') === read.join('\n')) return;
    if (Date.now() > deadline) {
      throw new Error(`the screen reader gets\n${read.join('\n')}\ninstead of\n${shown.join('\n')}`);
    }
    await page.waitForTimeout(50);
  }
}

// Waits until the last rows of the screen match the patterns, the last
// pattern for the last row; returns the rows.
async function expectBottom(page, ...patterns) {
  const deadline = Date.now() + waitMs;
  for (;;) {
    const rows = await screenRows(page);
    const bottom = rows.slice(-patterns.length);
    if (bottom.length === patterns.length && patterns.every((pattern, i) => pattern.test(bottom[i]))) {
      return rows;
    }
    if (Date.now() > deadline) {
      throw new Error(`waited for ${patterns.join(' ')}; the screen ends with:\n${rows.slice(-12).join('\n')}`);
    }
    await page.waitForTimeout(20);
  }
}

async function typeLine(page, text) {
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
}

function answer(first, operator, second) {
  if (operator === '+') return first + second;
  if (operator === '-') return first - second;
  return first * second;
}

const problem = /^(\d+) ([-+x]) (\d+) = ?$/;
const mainMenu = [/^4\. {2}Help and Tips$/, /^5: {2}Exit$/];
const gameType = [/^1\. One Player$/, /^2\. Two Player$/];
const continuePrompt = [/^To go to the Main Menu Press 1\.$/, /^To quit press 2\.$/];

async function play(page) {
  await expectBottom(page, /^3: {2}Multiplication problems$/, ...mainMenu);

  // One player, addition, right at once; a slip erased with Backspace first.
  await typeLine(page, '1');
  await expectBottom(page, ...gameType);
  await typeLine(page, '1');
  let rows = await expectBottom(page, /^\d+ \+ \d+ =$/);
  let [, first, operator, second] = rows[rows.length - 1].match(problem);
  const sum = answer(Number(first), operator, Number(second));
  await page.keyboard.type('99');
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await typeLine(page, String(sum));
  await expectBottom(page, new RegExp(`^${first} \\+ ${second} =$`), new RegExp(`^${sum}$`), /^Correct!!$/,
    /^You got 5 points good job!$/, ...continuePrompt);
  await typeLine(page, '1');
  await expectBottom(page, ...mainMenu);

  // Two players, multiplication: Ann misses, Bob wins.
  await typeLine(page, '3');
  await expectBottom(page, ...gameType);
  await typeLine(page, '2');
  await expectBottom(page, /^Welcome to 2 player Math Games!$/, /^$/, /^Enter your name Player 1:$/);
  await typeLine(page, 'Ann');
  await expectBottom(page, /^Enter your name Player 1: Ann$/, /^$/, /^Enter your name Player 2:$/);
  await typeLine(page, 'Bob');
  rows = await expectBottom(page, /^Enter your name Player 2: Bob$/, problem, /^Ann:$/);
  [, first, operator, second] = rows[rows.length - 2].match(problem);
  if (operator !== 'x') fail(`a multiplication was chosen, the screen shows ${first} ${operator} ${second}`);
  const product = answer(Number(first), operator, Number(second));
  await typeLine(page, String(product + 1));
  await expectBottom(page, /^Sorry\.\.\.wrong answer,$/, /^Bob:$/);
  await typeLine(page, String(product));
  await expectBottom(page, /^Great job Bob$/, /^You WON!$/, ...continuePrompt);
  await typeLine(page, '1');
  await expectBottom(page, ...mainMenu);

  // Help, the addition tips, x to the main menu, then out.
  await typeLine(page, '4');
  await expectBottom(page, /^3\. Multiplication Tips$/, /^4\. Exit$/);
  await typeLine(page, '1');
  await expectBottom(page, /How many apples would I have all together\? {2}The answer is 7!$/i,
    /^Press b to go back to the previous menu$/, /^Press x to go back to the main menu$/);
  await typeLine(page, 'x');
  await expectBottom(page, /^x$/, /^ +Orvanell$/, /^Kestrova\+ Level 1 v\.1\.0$/, /^$/,
    /^1: {2}Addition Problems$/, /^2: {2}Subtraction Problems$/, /^3: {2}Multiplication problems$/,
    ...mainMenu);
  await typeLine(page, '5');
  await expectBottom(page, /^If you want to reamain and play more games press n$/);
  await typeLine(page, 'y');
  await page.waitForSelector('#ended:not([hidden])', { timeout: waitMs });
  await expectReaderToMatchScreen(page);
  await page.screenshot({ path: path.join(site, '..', 'browser_test.png'), fullPage: true });

  // Again: a two-player game whose input ends with Ctrl+D at the first guess.
  // Every round then runs through without waiting, and the last rings the bell.
  await page.click('#again');
  await expectBottom(page, ...mainMenu);
  if (await page.isVisible('#ended')) fail('the end stays shown after playing again');
  await page.evaluate(() => {
    window.bellRung = false;
    new MutationObserver(() => {
      window.bellRung ||= document.getElementById('terminal').classList.contains('bell');
    }).observe(document.getElementById('terminal'), { attributes: true });
  });
  for (const line of ['1', '2', 'Ann', 'Bob']) await typeLine(page, line);
  await expectBottom(page, problem, /^Ann:$/);
  await page.keyboard.press('Control+D');
  await expectBottom(page, /^Neither of you answered the question!$/, /^The correct answer was: \d+$/,
    ...continuePrompt, /^Please use one of the given options!$/);
  await page.waitForSelector('#ended:not([hidden])', { timeout: waitMs });
  if (!(await page.evaluate(() => window.bellRung))) fail('the bell did not show');
}

async function main() {
  weighSite();
  const browser = await launchChromium(npmFolder);
  const server = await serveSite(site);
  const origin = originOf(server);
  try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => fail(`page error: ${error.message}`));
    page.on('console', (message) => {
      if (message.type() === 'error') fail(`console error: ${message.text()}`);
    });
    page.on('request', (request) => {
      if (!request.url().startsWith(origin)) fail(`the page asked for ${request.url()}`);
    });
    await page.goto(`${origin}/`);
    await play(page);
  } catch (error) {
    fail(error.message);
  } finally {
    await browser.close();
    server.close();
  }
  console.log(`browser: ${failures} failures`);
  process.exit(failures === 0 ? 0 : 1);
}

main();
