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

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    // Builds before the scope went into the name left caches without it.
    .filter((name) => name.startsWith(ownPrefix) && name !== cacheName &&
      (name.endsWith(scope) || !name.includes(' ')))
    .map((name) => caches.delete(name)))));
});

// The site's own files come from this build's cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
