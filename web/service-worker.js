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
  if (!name.startsWith(ownPrefix) || name === cacheName) return false;
  if (name.endsWith(scope)) return true;
  return !name.includes(' ') && holdsOnlyOwnFiles(name);
}

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names.map(async (name) => {
    if (await isOwnOldCache(name)) await caches.delete(name);
  }))));
});

// The site's own files come from this build's cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
