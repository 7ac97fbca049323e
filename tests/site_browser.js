// What the browser test and the page benchmark share: the site served on a
// loopback port, and Debian's Chromium, headless, driven by playwright-core.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const chromiumPath = '/usr/bin/chromium';
const types = { '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.txt': 'text/plain' };

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

function originOf(server) {
  return `http://127.0.0.1:${server.address().port}`;
}

// Fails loudly where the browser is missing. Playwright gives each launch a
// fresh profile; the flags keep Chromium off the network it can't reach.
function launchChromium(npmFolder) {
  if (!fs.existsSync(chromiumPath)) {
    console.log(`FAIL: ${chromiumPath} is needed (Debian package chromium)`);
    process.exit(1);
  }
  const { chromium } = require(path.resolve(npmFolder, 'node_modules', 'playwright-core'));
  return chromium.launch({
    executablePath: chromiumPath,
    args: ['--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

module.exports = { serveSite, originOf, launchChromium };
