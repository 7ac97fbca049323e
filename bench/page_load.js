// Times the web page in headless Chromium, from the start of navigation and
// from its load event to the first main menu drawn in the terminal: the
// served site, each load in a fresh browser context so nothing comes from a
// cache; the one-file page as file://; and the installed site reloaded with
// the network cut, from its service worker's cache. Each again with the CPU
// slowed four times (CDP Emulation.setCPUThrottlingRate), as the mobile
// profile of browser audits does. On a shared machine the times move with
// the other jobs, so it also reports the CPU time the page's main thread
// spent until then (CDP Performance.getMetrics in thread time, which starts
// again with each document).
//
// Before those, Lighthouse audits the served site's performance with its
// mobile profile (simulated slow 4G and a 4× slower CPU), `audits` times;
// then the first main menu is timed in every engine the browser test plays
// in (Chromium, Firefox ESR, WebKitGTK, WPE WebKit), served and as file://,
// each load in a fresh profile, with the CPU as it is.
//
// Usage: node bench/page_load.js SITE NPM_FOLDER ONE_FILE_PAGE [loads] [audits]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const {
  serveSite, stopServing, originOf, launchChromium, engines, sleep, audit,
} = require('../tests/site_browser');

const [site, npmFolder, onePage, loadsText, auditsText] = process.argv.slice(2);
const loads = Number(loadsText ?? 50);
const audits = Number(auditsText ?? 3);
const slowdowns = [1, 4];

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

async function slowDown(page, slowdown) {
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  await cdp.send('Performance.enable', { timeDomain: 'threadTicks' });
  return cdp;
}

async function busyMs(cdp) {
  const { metrics } = await cdp.send('Performance.getMetrics');
  return metrics.find((metric) => metric.name === 'TaskDuration').value * 1000;
}

// `load` navigates the page and calls back once it has; the times come from
// `loads` of them.
async function timeLoads(what, slowdown, load) {
  const times = [];
  for (let i = 0; i < loads; ++i) {
    await load(async (page, cdp) => {
      const handle = await page.waitForFunction(menuTimes, { timeout: 60000 });
      times.push({ ...await handle.jsonValue(), busy: await busyMs(cdp) });
    });
  }
  console.log(`first main menu shown, ${what}, ${loads} loads in headless Chromium, CPU slowed ${slowdown}×:`);
  describe('after navigation start', times.map((time) => time.afterStart));
  describe('after the load event', times.map((time) => time.afterLoad));
  describe('main thread CPU time', times.map((time) => time.busy));
}

async function inFreshContexts(browser, slowdown, url) {
  return async (measure) => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const cdp = await slowDown(page, slowdown);
    await page.goto(url);
    await measure(page, cdp);
    await context.close();
  };
}

async function auditPerformance(url) {
  const reports = [];
  for (let i = 0; i < audits; ++i) reports.push(await audit(npmFolder, url, ['performance']));
  console.log(`Lighthouse ${reports[0]?.lighthouseVersion}, mobile profile, served site, ${audits} audits:`);
  console.log(`  performance score: ${reports.map((report) => Math.round(report.categories.performance.score * 100))}`);
  for (const id of ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'speed-index']) {
    console.log(`  ${id}: ${reports.map((report) => Math.round(report.audits[id].numericValue))} ms`);
  }
}

async function timeEveryEngine(urls) {
  for (const launch of Object.values(engines)) {
    const engine = await launch(npmFolder);
    try {
      for (const [what, url] of Object.entries(urls)) {
        const times = [];
        for (let i = 0; i < loads; ++i) {
          const tab = await engine.openTab();
          await tab.goto(url);
          const deadline = Date.now() + 60000;
          let shown;
          while (!(shown = await tab.evaluate(menuTimes))) {
            if (Date.now() > deadline) throw new Error(`${engine.version} showed no main menu`);
            await sleep(10);
          }
          times.push(shown);
          await tab.close();
        }
        console.log(`first main menu shown, ${what}, ${loads} loads in ${engine.version}:`);
        describe('after navigation start', times.map((time) => time.afterStart));
        describe('after the load event', times.map((time) => time.afterLoad));
      }
    } finally {
      await engine.close();
    }
  }
}

async function main() {
  const browser = await launchChromium(npmFolder);
  const server = await serveSite(site);
  const origin = `${originOf(server)}/`;
  await auditPerformance(origin);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'orvanell-bench-'));
  try {
    await timeEveryEngine({ 'served site': origin, 'one file as file://': `file://${path.resolve(onePage)}` });
    for (const slowdown of slowdowns) {
      await timeLoads('served site', slowdown, await inFreshContexts(browser, slowdown, origin));
      await timeLoads('one file as file://', slowdown,
        await inFreshContexts(browser, slowdown, `file://${path.resolve(onePage)}`));
    }
    // Installed by one visit, then reloaded with the server gone.
    const installed = await launchChromium(npmFolder, path.join(folder, 'profile'));
    const page = await installed.newPage();
    await page.goto(origin);
    await page.evaluate(() => navigator.serviceWorker.ready);
    stopServing(server);
    await page.setOfflineMode(true);
    for (const slowdown of slowdowns) {
      const cdp = await slowDown(page, slowdown);
      await timeLoads('installed site reloaded offline', slowdown, async (measure) => {
        await page.reload();
        await measure(page, cdp);
      });
    }
    await installed.close();
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

main();
