// What the browser test and the page benchmarks share: the site served on a
// loopback port; Chromium, headless, driven by playwright-core; every engine
// behind the same few calls (`engines` below); and Lighthouse's audit of the
// served site.
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

// The first of the programs named that is on PATH.
function onPath(names) {
  const folders = (process.env.PATH ?? '').split(path.delimiter).filter((folder) => folder !== '');
  for (const name of names) {
    const found = folders.map((folder) => path.join(folder, name)).find((file) => fs.existsSync(file));
    if (found) return found;
  }
  return null;
}

function findProgram(names, debianPackage) {
  const found = onPath(names);
  if (!found) throw new Error(`${names[0]} is needed (Debian package ${debianPackage})`);
  return found;
}

// The browser the CHROMIUM variable names, or the first of the usual ones on PATH.
function findChromium() {
  return process.env.CHROMIUM ||
    onPath(['chromium', 'chromium-browser', 'google-chrome', 'google-chrome-stable', 'chrome']);
}

// Serves the files of the site folder on a port of the system's choosing,
// gzipped where the browser accepts it, as a web host would (not with
// ORVANELL_SERVE_PLAIN=1, as `python3 -m http.server` serves); resolves to
// the server, whose origin is `originOf(server)`.
function serveSite(site) {
  const gzip = process.env.ORVANELL_SERVE_PLAIN !== '1';
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
    const file = path.join(site, name);
    if (name.includes('/') || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' };
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

function originOf(server) {
  return `http://127.0.0.1:${server.address().port}`;
}

// Fails loudly where the browser is missing. Playwright gives each launch a
// fresh profile, or uses the folder `profile` names and returns its context;
// the flags keep Chromium off the network it can't reach.
function launchChromium(npmFolder, profile) {
  const chromiumPath = findChromium();
  if (!chromiumPath || !fs.existsSync(chromiumPath)) {
    console.log('FAIL: Chromium is needed (Debian package chromium), on PATH or named by CHROMIUM');
    process.exit(1);
  }
  const { chromium } = require(path.resolve(npmFolder, 'node_modules', 'playwright-core'));
  const options = {
    executablePath: chromiumPath,
    args: ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  };
  return profile ? chromium.launchPersistentContext(profile, options) : chromium.launch(options);
}

// Lighthouse's report (its `lhr`) on the page at `url`, with its mobile
// profile (simulated slow 4G, the CPU 4× slower), in a Chromium of its own.
async function audit(npmFolder, url, categories) {
  const modules = path.resolve(npmFolder, 'node_modules');
  const load = (file) => import(pathToFileURL(path.join(modules, file)));
  const { default: lighthouse } = await load('lighthouse/core/index.js');
  const { launch } = await load('chrome-launcher/dist/index.js');
  const chrome = await launch({ chromePath: findChromium(),
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic'] });
  try {
    const { lhr } = await lighthouse(url, { port: chrome.port, onlyCategories: categories, logLevel: 'error' });
    return lhr;
  } finally {
    chrome.kill();
  }
}

// Each engine launches to { version, openTab(), close() }. A tab is a fresh
// profile with one page: goto(url), evaluate(fn, arg) (fn runs in the page),
// click(selector), keyboard.type(text), keyboard.press('Enter' | 'Backspace'),
// close(); and, where the driver reports the page's errors and requests,
// `page` to watch.
function tabOf(page, close) {
  return { page, goto: (url) => page.goto(url), evaluate: (fn, arg) => page.evaluate(fn, arg),
    click: (selector) => page.click(selector), keyboard: page.keyboard, close };
}

async function chromiumEngine(npmFolder) {
  const browser = await launchChromium(npmFolder);
  return {
    version: `Chromium ${browser.version()}`,
    async openTab() {
      const context = await browser.newContext();
      return tabOf(await context.newPage(), () => context.close());
    },
    close: () => browser.close(),
  };
}

// Over WebDriver BiDi, which Debian's Firefox ESR speaks and playwright-core's
// Firefox does not; it needs no display.
async function firefoxEngine(npmFolder) {
  const executablePath = findProgram(['firefox-esr', 'firefox'], 'firefox-esr');
  const puppeteer = require(path.resolve(npmFolder, 'node_modules', 'puppeteer-core'));
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath, headless: true });
  return {
    version: (await browser.version()).replace('firefox/', 'Firefox '),
    async openTab() {
      const context = await browser.createBrowserContext();
      return tabOf(await context.newPage(), () => context.close());
    },
    close: () => browser.close(),
  };
}

// WebKitGTK's MiniBrowser needs an X display: without one, the driver and
// the browsers it starts run in a virtual one of their own.
function webKitGtkEngine() {
  const binary = fs.readdirSync('/usr/lib').map((folder) => `/usr/lib/${folder}/webkit2gtk-4.1/MiniBrowser`)
    .find((file) => fs.existsSync(file));
  if (!binary) throw new Error('WebKitGTK\'s MiniBrowser is needed (Debian package webkit2gtk-driver)');
  const driver = findProgram(['WebKitWebDriver'], 'webkit2gtk-driver');
  const command = process.env.DISPLAY ? [driver] : [findProgram(['xvfb-run'], 'xvfb'), '-a', driver];
  return webDriverEngine('WebKitGTK', command, { 'webkitgtk:browserOptions': { binary, args: ['--automation'] } });
}

// WPE WebKit 2.38 stands in for the older WebKit of iPads that can't update;
// its cog browser draws nowhere.
function wpeEngine() {
  findProgram(['cog'], 'cog');
  return webDriverEngine('WPE WebKit', [findProgram(['WPEWebDriver'], 'wpewebkit-driver')],
    { 'wpe:browserOptions': { binary: 'cog', args: ['--automation', '--platform=headless'] } });
}

const engines = { chromium: chromiumEngine, firefox: firefoxEngine, webkitgtk: webKitGtkEngine, wpe: wpeEngine };

function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Classic WebDriver over plain HTTP: a driver process on a loopback port, one
// session (one browser) for each tab. The driver and all it started form a
// process group of their own, which `close` ends.
async function webDriverEngine(family, command, capabilities) {
  const port = await freePort();
  const driver = spawn(command[0], [...command.slice(1), `--port=${port}`], { detached: true, stdio: 'ignore' });
  let exited = false;
  driver.on('exit', () => { exited = true; });
  // A driver that stops answering fails the call within a minute, not the
  // five that node's fetch would wait.
  async function call(method, route, body) {
    const what = () => `WebDriver ${method} ${route}${exited ? ' (the driver has ended)' : ''}`;
    const response = await fetch(`http://127.0.0.1:${port}${route}`, { method, body: body && JSON.stringify(body),
      headers: { 'Content-Type': 'application/json' }, signal: AbortSignal.timeout(60000) })
      .catch((error) => { throw new Error(`${what()}: ${error.cause?.message ?? error.message}`); });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`${what()}: ${value.error}: ${value.message}`);
    return value;
  }
  for (let tries = 0; ; ++tries) {
    if (await call('GET', '/status').then((status) => status.ready, () => false)) break;
    if (exited || tries === 100) throw new Error(`${command.join(' ')} did not start`);
    await sleep(100);
  }
  const names = { Enter: '\uE007', Backspace: '\uE003' };
  const engine = {
    version: '',  // known once a browser has started
    async openTab() {
      const session = await call('POST', '/session', { capabilities: { alwaysMatch: capabilities } });
      const { browserName, browserVersion } = session.capabilities;
      engine.version = `${family} ${browserVersion} (${browserName})`;
      const route = `/session/${session.sessionId}`;
      const keys = (values) => call('POST', `${route}/actions`, { actions: [{ type: 'key', id: 'keyboard',
        actions: values.flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }]) }] });
      return {
        goto: (url) => call('POST', `${route}/url`, { url }),
        evaluate: (fn, arg) => call('POST', `${route}/execute/sync`,
          { script: `return (${fn}).apply(null, arguments);`, args: arg === undefined ? [] : [arg] }),
        async click(selector) {
          const found = await call('POST', `${route}/element`, { using: 'css selector', value: selector });
          await call('POST', `${route}/element/${Object.values(found)[0]}/click`, {});
        },
        keyboard: { type: (text) => keys(Array.from(text)), press: (key) => keys([names[key]]) },
        close: () => call('DELETE', route),
      };
    },
    async close() {
      if (!exited) process.kill(-driver.pid);
    },
  };
  return engine;
}

module.exports = { serveSite, stopServing, originOf, launchChromium, engines, sleep, audit };
