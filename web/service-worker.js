// Keeps the site for playing offline. The build writes the list of its files
// and a cache name drawn from their contents in place of `site` below, so a
// new build fills a cache of its own and, once it takes over, drops the old
// one. It takes over only when no page of the old build is open any more
// (no skipWaiting): a page never mixes the files of two builds.
//
// Other apps may share the origin (a school's site, a user's github.io), and
// so may another copy of the game at another path: only caches with this
// game's prefix and this worker's scope in their names are its own to drop.
'use strict';
const site = ORVANELL_SITE;
const ownPrefix = 'orvanell-';
const scope = ` ${self.registration.scope}`;
const cacheName = site.cache + scope;
const voiceCacheName = site.voiceCache + scope;
const voiceFolder = new URL('voice/', self.registration.scope).href;

// Straight from the server: a host may let the browser keep the files for a
// while, and the HTTP cache would fill the new build's cache with the old
// build's files.
self.addEventListener('install', (event) => {
  const requests = site.files.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(requests)));
});

// Builds before the scope went into the name left caches without it, which
// are this copy's only where the files they hold sit in this worker's folder.
// The site is one folder, so a copy of the game in a folder below keeps its
// own too.
async function holdsOnlyOwnFiles(name) {
  const inFolder = (url) => url.startsWith(self.registration.scope) &&
    !url.slice(self.registration.scope.length).includes('/');
  const requests = await (await caches.open(name)).keys();
  return requests.length > 0 && requests.every((request) => inFolder(request.url));
}

async function isOwnOldCache(name) {
  if (!name.startsWith(ownPrefix) || name === cacheName || name === voiceCacheName) return false;
  if (name.endsWith(scope)) return true;
  return !name.includes(' ') && holdsOnlyOwnFiles(name);
}

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names.map(async (name) => {
    if (await isOwnOldCache(name)) await caches.delete(name);
  }))));
});

// A language's voice, fetched the first time it speaks, is kept from then on
// for playing offline.
async function voiceFile(request) {
  const cache = await caches.open(voiceCacheName);
  const cached = await cache.match(request, { ignoreSearch: true });
  if (cached) return cached;
  const response = await fetch(request);
  if (response.ok) await cache.put(request, response.clone());
  return response;
}

// The site's own files come from this build's cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  if (event.request.url.startsWith(voiceFolder)) {
    event.respondWith(voiceFile(event.request));
    return;
  }
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
