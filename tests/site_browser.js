// What the browser test and the page benchmarks share: the site served on a
// loopback port; Chromium and Firefox, headless, driven by puppeteer-core;
// the two WebKits through their WebDriver drivers, by selenium-webdriver;
// every engine behind the same few calls (`engines` below); and Lighthouse's
// audit of the served site.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const http = require('http');
const net = require('net');
const path = require('path');
const { pathToFileURL } = require('url');
const zlib = require('zlib');

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png', '.txt': 'text/plain',
  '.webmanifest': 'application/manifest+json' };

// The first of the programs named that is on PATH; none, where none is, or
// an error that names the Debian package, where one is given.
function findProgram(names, debianPackage) {
  const folders = (process.env.PATH ?? '').split(path.delimiter).filter((folder) => folder !== '');
  const found = names.flatMap((name) => folders.map((folder) => path.join(folder, name))).find(fs.existsSync);
  if (!found && debianPackage) throw new Error(`${names[0]} is needed (Debian package ${debianPackage})`);
  return found;
}

// The browser the CHROMIUM variable names, or the first of the usual ones on
// PATH; an error where there is none.
const findChromium = () => process.env.CHROMIUM ||
  findProgram(['chromium', 'chromium-browser', 'google-chrome', 'google-chrome-stable', 'chrome'], 'chromium');

// Serves the files of the site folder on a port of the system's choosing, at
// the root and again in the folder /sub/, as a site holding a copy of the
// game in a folder would; with leave to keep each file for ten minutes, as
// many hosts give, and gzipped where the browser accepts it (not with
// ORVANELL_SERVE_PLAIN=1, as `python3 -m http.server` serves); resolves to
// the server, whose origin is `originOf(server)`.
function serveSite(site) {
  const gzip = process.env.ORVANELL_SERVE_PLAIN !== '1';
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://localhost').pathname.replace(/^\/(sub\/)?/, '') || 'index.html';
    const file = path.join(site, name);
    if (name.split('/').includes('..') || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      return response.writeHead(404).end();
    }
    const headers = { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
      'Cache-Control': 'max-age=600' };
    let body = fs.readFileSync(file);
    if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '') && path.extname(file) !== '.png') {
      headers['Content-Encoding'] = 'gzip';
      body = zlib.gzipSync(body);
    }
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// As when the network is cut: the site is no longer served, not even on a
// connection the browser keeps open.
function stopServing(server) {
  server.close();
  server.closeAllConnections();
}

const originOf = (server) => `http://127.0.0.1:${server.address().port}`;

const npmModule = (npmFolder, name) => require(path.resolve(npmFolder, 'node_modules', name));

// Fails loudly where the browser is missing. Each launch has a fresh profile,
// or the folder `profile` names; pages open at 1280 × 720. The flags keep
// Chromium off the network it can't reach, and run it where a sandbox can't
// be made (as root, in a container).
function launchChromium(npmFolder, profile) {
  return npmModule(npmFolder, 'puppeteer-core').launch({
    executablePath: findChromium(), headless: true, userDataDir: profile, defaultViewport: { width: 1280, height: 720 },
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--disable-component-update'],
  });
}

// Lighthouse's report (its `lhr`) on the page at `url`, with its mobile
// profile (simulated slow 4G, the CPU 4× slower), in a Chromium of its own
// that asks for the language given.
async function audit(npmFolder, url, categories, language = 'en') {
  const load = (file) => import(pathToFileURL(path.resolve(npmFolder, 'node_modules', file)));
  const { default: lighthouse } = await load('lighthouse/core/index.js');
  const { launch } = await load('chrome-launcher/dist/index.js');
  const chrome = await launch({ chromePath: findChromium(),
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', `--accept-lang=${language}`] });
  try {
    return (await lighthouse(url, { port: chrome.port, onlyCategories: categories, logLevel: 'error' })).lhr;
  } finally {
    chrome.kill();
  }
}

// Each engine launches to { version, openTab(), close() }. A tab is a fresh
// profile with one page: goto(url), evaluate(fn, arg) (fn runs in the page),
// keyboard.type(text), keyboard.press('Enter' | 'Backspace'), close(); and,
// where puppeteer drives it, `page` to watch. Firefox over WebDriver BiDi,
// which Debian's Firefox ESR speaks, needs no display.
const puppeteerEngine = (family, launching) => async (npmFolder) => {
  const browser = await launching(npmFolder);
  return {
    version: (await browser.version()).replace(/^[^/]*\//, `${family} `),
    async openTab() {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      return { page, goto: (url) => page.goto(url), evaluate: (fn, arg) => page.evaluate(fn, arg),
        keyboard: page.keyboard, close: () => context.close() };
    },
    close: () => browser.close(),
  };
};

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A driver process on a loopback port, one session (one browser) for each
// tab. The driver and all it started form a process group of their own,
// which `close` ends: selenium's own DriverService would end only the first
// process, leaving xvfb-run's driver and X server behind.
const webDriverEngine = (family, needs) => async (npmFolder) => {
  const [command, capabilities] = needs();
  const selenium = (name) => npmModule(npmFolder, `selenium-webdriver${name}`);
  const { WebDriver, Capabilities, Key } = selenium('');
  const { Executor, HttpClient } = selenium('/http');
  const port = await selenium('/net/portprober').findFreePort('127.0.0.1');
  const url = `http://127.0.0.1:${port}`;
  const driver = spawn(command[0], [...command.slice(1), `--port=${port}`], { detached: true, stdio: 'ignore' });
  driver.on('exit', (code, signal) => console.log(`${command.join(' ')} ended (${signal ?? code})`));
  await selenium('/http/util').waitForServer(url, 10000);
  // A driver that stops answering fails the call within a minute; selenium's
  // client would wait for ever.
  const agent = new http.Agent();
  agent.createConnection = (options) => net.createConnection(options).setTimeout(60000, function noAnswer() {
    this.destroy(new Error(`${family}'s driver gave no answer in a minute to ${options.method} ${options.path}`));
  });
  const keys = { Enter: Key.ENTER, Backspace: Key.BACK_SPACE };
  const engine = {
    version: '',  // known once a browser has started
    async openTab() {
      const executor = new Executor(new HttpClient(url, agent));
      const session = WebDriver.createSession(executor, new Capabilities(capabilities));
      const started = await session.getCapabilities();
      engine.version = `${family} ${started.getBrowserVersion()} (${started.getBrowserName()})`;
      const send = (text) => session.actions().sendKeys(text).perform();
      return { goto: (address) => session.get(address), keyboard: { type: send, press: (key) => send(keys[key]) },
        evaluate: (fn, arg) => session.executeScript(fn, ...(arg === undefined ? [] : [arg])),
        close: () => session.quit() };
    },
    async close() {
      driver.removeAllListeners('exit');
      if (driver.exitCode === null && driver.signalCode === null) process.kill(-driver.pid);
    },
  };
  return engine;
};

const engines = {
  chromium: puppeteerEngine('Chromium', launchChromium),
  firefox: puppeteerEngine('Firefox', (npmFolder) => npmModule(npmFolder, 'puppeteer-core').launch({
    browser: 'firefox', executablePath: findProgram(['firefox-esr', 'firefox'], 'firefox-esr'), headless: true })),
  // WebKitGTK's MiniBrowser needs an X display: without one, the driver and
  // the browsers it starts run in a virtual one of their own.
  webkitgtk: webDriverEngine('WebKitGTK', () => {
    const binary = fs.readdirSync('/usr/lib').map((folder) => `/usr/lib/${folder}/webkit2gtk-4.1/MiniBrowser`)
      .find((file) => fs.existsSync(file));
    if (!binary) throw new Error('WebKitGTK\'s MiniBrowser is needed (Debian package webkit2gtk-driver)');
    const driver = findProgram(['WebKitWebDriver'], 'webkit2gtk-driver');
    return [process.env.DISPLAY ? [driver] : [findProgram(['xvfb-run'], 'xvfb'), '-a', driver],
      { 'webkitgtk:browserOptions': { binary, args: ['--automation'] } }];
  }),
  // WPE WebKit 2.38 stands in for the older WebKit of iPads that can't
  // update; its cog browser draws nowhere.
  wpe: webDriverEngine('WPE WebKit', () => [[findProgram(['WPEWebDriver'], 'wpewebkit-driver')],
    { 'wpe:browserOptions': { binary: findProgram(['cog'], 'cog'), args: ['--automation', '--platform=headless'] } }]),
};

module.exports = { serveSite, stopServing, originOf, launchChromium, engines, sleep, audit };
