// Times the web page in headless Chromium: from its load event, and from the
// start of navigation, to the first main menu drawn in the terminal. Each
// load is in a fresh browser context, so nothing comes from a cache.
//
// Usage: node bench/page_load.js SITE NPM_FOLDER [loads]
'use strict';
const { serveSite, originOf, launchChromium } = require('../tests/site_browser');

const [site, npmFolder, loadsText] = process.argv.slice(2);
const loads = Number(loadsText ?? 50);

// The page marks when the frame after its first output has been drawn.
function menuTimes() {
  const shown = performance.getEntriesByName('orvanell-menu-shown')[0];
  const navigation = performance.getEntriesByType('navigation')[0];
  if (!shown || !navigation || navigation.loadEventStart === 0) return null;
  return { afterLoad: shown.startTime - navigation.loadEventStart, afterStart: shown.startTime };
}

function describe(name, values) {
  const sorted = [...values].sort((a, b) => a - b);
  const median = sorted[Math.floor(sorted.length / 2)];
  console.log(`  ${name}: median ${median.toFixed(1)} ms, min ${sorted[0].toFixed(1)}, ` +
    `max ${sorted[sorted.length - 1].toFixed(1)}`);
}

async function main() {
  const browser = await launchChromium(npmFolder);
  const server = await serveSite(site);
  const times = [];
  for (let i = 0; i < loads; ++i) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(`${originOf(server)}/`);
    const handle = await page.waitForFunction(menuTimes, null, { timeout: 15000 });
    times.push(await handle.jsonValue());
    await context.close();
  }
  await browser.close();
  server.close();
  console.log(`first main menu shown, ${loads} page loads in headless Chromium:`);
  describe('after the load event', times.map((time) => time.afterLoad));
  describe('after navigation start', times.map((time) => time.afterStart));
}

main();
