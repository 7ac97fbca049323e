// What the browser test and the page benchmarks share: the site served on a
// loopback port, Chromium, headless, driven by playwright-core, and
// Lighthouse's audit of the served site.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const { pathToFileURL } = require('url');

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png', '.txt': 'text/plain',
  '.webmanifest': 'application/manifest+json' };

// The browser the CHROMIUM variable names, or the first of the usual ones on PATH.
function findChromium() {
  if (process.env.CHROMIUM) return process.env.CHROMIUM;
  const folders = (process.env.PATH ?? '').split(path.delimiter).filter((folder) => folder !== '');
  for (const name of ['chromium', 'chromium-browser', 'google-chrome', 'google-chrome-stable', 'chrome']) {
    const found = folders.map((folder) => path.join(folder, name)).find((file) => fs.existsSync(file));
    if (found) return found;
  }
  return null;
}

// Serves the files of the site folder on a port of the system's choosing;
// resolves to the server, whose origin is `originOf(server)`.
function serveSite(site) {
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://localhost').pathname.slice(1) || 'index.html';
    const file = path.join(site, name);
    if (name.includes('/') || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' });
    response.end(fs.readFileSync(file));
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

module.exports = { serveSite, stopServing, originOf, launchChromium, audit };
