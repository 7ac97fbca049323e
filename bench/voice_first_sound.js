// Times the page's own voice in headless Chromium, with the CPU slowed four
// times (and as it is): from the first touch, with Read aloud on and no
// device voice of the page's language, to the first sound started through
// Web Audio. Cold, in a fresh browser context, every file of the voice
// fetched; kept, in the installed site, from its service worker's cache,
// with the network cut. The main menu is what is said.
//
// Usage: node bench/voice_first_sound.js SITE NPM_FOLDER [languages...]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serveSite, stopServing, originOf, launchChromium } = require('../tests/site_browser');

const [site, npmFolder, ...asked] = process.argv.slice(2);
const languages = asked.length > 0 ? asked : ['en', 'es', 'ar', 'zh-CN'];

// A device with an English voice only (German, for an English page), whose
// speech ends at once; each sound's start noted against the first touch.
// The language is the one given, else the one the page kept.
const setUp = (language) => (page) => page.evaluateOnNewDocument((given) => {
  if (given) localStorage.setItem('orvanell-language', given);
  localStorage.setItem('orvanell-read-aloud', 'on');
  const tag = localStorage.getItem('orvanell-language');
  window.SpeechSynthesisUtterance = function Utterance(text) {
    return Object.assign(new EventTarget(), { text });
  };
  const speak = (utterance) => setTimeout(() => utterance.dispatchEvent(new Event('end')));
  Object.defineProperty(window, 'speechSynthesis', { value: { speak, cancel() {},
    getVoices: () => [{ lang: tag === 'en' ? 'de-DE' : 'en-GB', localService: true }] } });
  window.sounds = [];
  addEventListener('pointerup', () => { window.touchedAt = performance.now(); }, true);
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function noted(...args) {
    sounds.push(performance.now() - touchedAt);
    return start.apply(this, args);
  };
}, language);

async function firstSound(page, slowdown) {
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  await page.waitForFunction(() => /Exit\s*$/.test(document.querySelector('[role="log"]').textContent));
  await page.click('#transcript');
  await page.waitForFunction(() => sounds.length > 0, { timeout: 60000 });
  return page.evaluate(() => sounds[0]);
}

async function main() {
  const server = await serveSite(site);
  const origin = originOf(server);
  const browser = await launchChromium(npmFolder);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'orvanell-voice-'));
  try {
    for (const slowdown of [1, 4]) {
      for (const language of languages) {
        const page = await (await browser.createBrowserContext()).newPage();
        await setUp(language)(page);
        await page.goto(`${origin}/`);
        console.log(`${language} at ${slowdown}× CPU, cold: ${(await firstSound(page, slowdown)).toFixed(0)} ms`);
        await page.close();
      }
    }
    // Installed: the worker takes over at the second load, keeps the voice
    // at the third, and the fourth is offline.
    const installed = await launchChromium(npmFolder, path.join(folder, 'profile'));
    const page = await installed.newPage();
    await setUp(null)(page);
    await page.goto(`${origin}/`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const choose = (language) => page.evaluate((tag) => localStorage.setItem('orvanell-language', tag), language);
    for (const language of languages) {
      await choose(language);
      for (let load = 0; load < 2; ++load) {
        await page.reload();
        await firstSound(page, 1);
      }
    }
    stopServing(server);
    await page.setOfflineMode(true);
    for (const slowdown of [1, 4]) {
      for (const language of languages) {
        await choose(language);
        await page.reload();
        const ms = await firstSound(page, slowdown);
        console.log(`${language} at ${slowdown}× CPU, kept, offline: ${ms.toFixed(0)} ms`);
      }
    }
    await installed.close();
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
