// Plays many games through the web page in headless Chromium and reports,
// every tenth of the way, the page's element count and JavaScript heap after
// a garbage collection (CDP Performance.getMetrics): with the transcript
// bounded, both stay flat however long a child plays. From game 1,000 on,
// long after the transcript is full, it fails if either grows by more than
// 5% of what it was there (the heap moved by about 1% from there to game
// 10,000, the nodes not at all); with fewer games it only measures.
//
// Each game is a one-player addition answered right, then back to the main
// menu, typed into the page's input and sent with an Enter key; the game's
// text is read off the transcript. The games run in batches inside the page,
// with a frame drawn between batches. What a line sent costs is timed around
// the sending alone, not the benchmark's reading of the text; then, apart,
// styling and laying out the page it changed, which the browser would do at
// the next frame.
//
// Usage: node bench/page_games.js SITE NPM_FOLDER [games]
'use strict';
const { serveSite, originOf, launchChromium } = require('../tests/site_browser');

const [site, npmFolder, gamesText] = process.argv.slice(2);
const games = Number(gamesText ?? 10000);
const batch = 100;
const flatFrom = 1000;
const growthAllowed = 0.05;

// Runs in the page: plays `count` games, throwing if one goes astray;
// resolves to the transcript's lines and the milliseconds spent sending.
function playGames(count) {
  const input = document.getElementById('line');
  const transcript = document.getElementById('transcript');
  // The last lines, which hold what the game wrote after a line: the
  // transcript's last block, and the last of the full ones before it.
  const tail = () => {
    const last = transcript.lastElementChild;
    return (last.previousElementSibling?.lastElementChild?.textContent ?? '') + last.textContent;
  };
  let sending = 0;
  let layout = 0;
  const enter = (text) => {
    const started = performance.now();
    input.value = text;
    input.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true, cancelable: true }));
    const sent = performance.now();
    document.body.offsetHeight;  // reading a size lays the page out
    sending += sent - started;
    layout += performance.now() - sent;
    return tail();
  };
  for (let i = 0; i < count; ++i) {
    enter('1');
    const problem = /(\d+) \+ (\d+) =\s*$/.exec(enter('1'));
    if (!problem) throw new Error(`no addition: ${tail()}`);
    if (!enter(String(Number(problem[1]) + Number(problem[2]))).includes('Correct!!')) {
      throw new Error(`not correct: ${tail()}`);
    }
    if (!enter('1').includes('5:  Exit')) throw new Error(`no main menu: ${tail()}`);
  }
  return new Promise((resolve) => requestAnimationFrame(() => resolve({
    lines: transcript.textContent.split('\n').length - 1, sending, layout })));
}

async function main() {
  const browser = await launchChromium(npmFolder);
  const server = await serveSite(site);
  try {
    const page = await browser.newPage();
    const cdp = await page.createCDPSession();
    await cdp.send('Performance.enable');
    await page.goto(`${originOf(server)}/`);
    await page.waitForFunction(() => document.getElementById('transcript').textContent.includes('5:  Exit'));
    let flat = null;  // the figures at game 1,000, or the first tenth after it
    const report = async (played, lines) => {
      await cdp.send('HeapProfiler.collectGarbage');
      const { metrics } = await cdp.send('Performance.getMetrics');
      const value = (name) => metrics.find((metric) => metric.name === name).value;
      console.log(`${String(played).padStart(6)} games: ${value('Nodes')} nodes, ` +
        `JS heap ${(value('JSHeapUsedSize') / 1024).toFixed(0)} KiB used of ` +
        `${(value('JSHeapTotalSize') / 1024).toFixed(0)} KiB, ${lines} transcript lines`);
      if (played < flatFrom) return;
      const figures = { nodes: value('Nodes'), 'bytes of JS heap used': value('JSHeapUsedSize') };
      flat ??= { played, figures };
      for (const [name, figure] of Object.entries(figures)) {
        if (figure > flat.figures[name] * (1 + growthAllowed)) {
          throw new Error(`${figure} ${name} after ${played} games, up from ${flat.figures[name]} after ${flat.played}`);
        }
      }
    };
    await report(0, await page.evaluate(() => document.getElementById('transcript').textContent.split('\n').length - 1));
    const started = Date.now();
    let sending = 0;
    let layout = 0;
    for (let played = 0; played < games;) {
      const batchPlayed = await page.evaluate(playGames, Math.min(batch, games - played));
      sending += batchPlayed.sending;
      layout += batchPlayed.layout;
      played += Math.min(batch, games - played);
      if (played % Math.max(batch, games / 10) === 0 || played === games) await report(played, batchPlayed.lines);
    }
    // Four lines a game: the kind, the number of players, the answer, the main menu.
    console.log(`${(sending / (games * 4)).toFixed(3)} ms a line sent, ` +
      `then ${(layout / (games * 4)).toFixed(3)} ms styling and laying out the page`);
    console.log(`${games} games in ${((Date.now() - started) / 1000).toFixed(1)} s; ` +
      (flat ? `nodes and heap flat from game ${flat.played} on` : 'too few to check that nodes and heap stay flat'));
  } finally {
    await browser.close();
    server.close();
  }
}

main().catch((error) => {
  console.log(`FAIL ${error.message}`);
  process.exit(1);
});
