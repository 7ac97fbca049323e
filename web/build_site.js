// Run by the build once the site folder holds everything else: writes the
// one-file page, `orvanell.html`, which carries every file it needs inline
// and so plays from a folder, as file://; then puts the served page's
// scripts into one, and writes the site's service worker.
//
// Usage: node build_site.js SITE SERVICE_WORKER_TEMPLATE ONE_FILE_PAGE
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [site, workerTemplate, onePage] = process.argv.slice(2);
const workerName = 'service-worker.js';
const read = (name) => fs.readFileSync(path.join(site, name));

function writeServiceWorker() {
  const all = fs.readdirSync(site, { recursive: true })
    .filter((name) => name !== workerName && fs.statSync(path.join(site, name)).isFile()).sort();
  const digest = (names) => {
    const hash = crypto.createHash('sha256');
    for (const name of names) hash.update(`${name}\0`).update(read(name)).update('\0');
    return hash.digest('hex').slice(0, 16);
  };
  // The voice's files, megabytes of them, are kept as a language first
  // needs them, in a cache of their own that outlives the builds that
  // don't change them; the rest at install.
  const inVoice = (name) => name.startsWith(`voice${path.sep}`);
  const names = all.filter((name) => !inVoice(name));
  // The worker drops older caches of its own by this prefix and its scope.
  const files = { cache: `orvanell-${digest(names)}`, voiceCache: `orvanell-voice-${digest(all.filter(inVoice))}`,
    files: ['./', ...names] };
  const template = fs.readFileSync(workerTemplate, 'utf8');
  fs.writeFileSync(path.join(site, workerName), template.replace('ORVANELL_SITE', JSON.stringify(files)));
}

// A script's or a style sheet's text ends at the first "</script" or
// "</style" whatever it says, so anything that holds one can't go inline
// unchanged.
function inlineText(name) {
  const text = read(name).toString('utf8').replace(/^\/\/# sourceMappingURL=.*$/gm, '');
  if (/<\/(script|style)|<!--/i.test(text)) throw new Error(`${name} can't be put inline in a page`);
  return text;
}

// The comments are for whoever reads the source; the page's scripts, loaded
// whole, go without them: a script's lines that are only a comment, and in
// the one file a style sheet's comments.
const comments = { script: /^[ \t]*\/\/.*\n/gm, style: /\/\*[\s\S]*?\*\/\n?/g };

// The page's scripts, the run of them that index.html loads in order.
const scripts = /(?:<script src="[^"]+"><\/script>\n?)+/;
const scriptNames = (tags) => Array.from(tags.matchAll(/<script src="([^"]+)">/g), ([, name]) => name);
const scriptText = (tags) => scriptNames(tags).map(inlineText).join('\n').replace(comments.script, '');

function writeOnePage() {
  // The page's policy allows exactly what it carries inline, by hash.
  const hashes = { script: [], style: [] };
  const inline = (tag, source) => {
    const text = source.replace(comments[tag], '');
    hashes[tag].push(`'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`);
    return `<${tag}>${text}</${tag}>`;
  };
  // In hexadecimal, each byte two characters, which gzip compresses a
  // quarter smaller than base64, whose characters straddle the bytes.
  const wasm = read('orvanell.wasm').toString('hex');
  let page = read('index.html').toString('utf8')
    // The served site's extras: an install manifest, and a head start on the
    // WebAssembly the page now carries.
    .replace(/<link rel="(manifest|preload)"[^>]*>\n/g, '')
    .replace(/<link rel="icon" href="([^"]+)" type="([^"]+)">/,
      (_, name, type) => `<link rel="icon" href="data:${type};base64,${read(name).toString('base64')}">`)
    .replace(/<link rel="stylesheet" href="([^"]+)">/g, (_, name) => inline('style', `\n${inlineText(name)}`))
    // Every language's words, where the served site loads the chosen one alone.
    .replace('<script src="words/en.js"></script>', () => fs.readdirSync(path.join(site, 'words')).sort()
      .map((name) => `<script src="words/${name}"></script>`).join('\n'))
    // A data block, which no browser runs: the page decodes it for the module.
    .replace(/(<script src=)/, `<script id="orvanell-wasm" type="application/octet-stream">${wasm}</script>\n$1`)
    // One script for them all, in their order, which packs smaller and has
    // the policy name one hash: they work together, and without any one of
    // them the page can't play anyway.
    .replace(scripts, (tags) => `${inline('script', scriptText(tags))}\n`);
  // Besides, the page's own voice from the folder beside it, as scripts,
  // and its Worker made from their text.
  const policy = `default-src 'none'; script-src ${hashes.script.join(' ')} 'wasm-unsafe-eval' file:; ` +
    `worker-src blob:; style-src ${hashes.style.join(' ')}; img-src data:`;
  page = page.replace(/content="default-src[^"]*"/, () => `content="${policy}"`);
  const charsetAt = Buffer.from(page).indexOf('<meta charset="utf-8">');
  if (charsetAt < 0) {
    throw new Error('the one-file page does not name its character set (<meta charset="utf-8">)');
  }
  if (charsetAt > 1024 - 30) {
    throw new Error('the one-file page names its character set too late for a browser to see it');
  }
  if (/ (src|href)="(?!data:)/.test(page)) {
    throw new Error('the one-file page still refers to another file');
  }
  fs.writeFileSync(onePage, page);
}

// Served, the page's scripts come as one file too, under the last one's
// name, with the English words: a request each cost the first menu more
// than their running, and the chosen language's words, which words.js asks
// for first thing, wait for no other file.
function writeServedPage() {
  const html = read('index.html').toString('utf8');
  const [tags] = html.match(scripts);
  const names = scriptNames(tags);
  const page = html.replace(scripts, `<script src="${names.at(-1)}"></script>\n`);
  const text = scriptText(tags);
  for (const name of names) fs.rmSync(path.join(site, name));
  fs.writeFileSync(path.join(site, names.at(-1)), text);
  fs.writeFileSync(path.join(site, 'index.html'), page);
}

writeOnePage();
writeServedPage();
writeServiceWorker();
