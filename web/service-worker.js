// Keeps the site for playing offline. The build writes the list of its files
// and a cache name drawn from their contents in place of `site` below, so a
// new build fills a cache of its own and, once it takes over, drops the old
// one. It takes over only when no page of the old build is open any more
// (no skipWaiting): a page never mixes the files of two builds.
//
// Other apps may share the origin (a school's site, a user's github.io), so
// only caches with this game's prefix are its own to drop.
'use strict';
const site = ORVANELL_SITE;
const ownPrefix = 'orvanell-';

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(site.cache).then((cache) => cache.addAll(site.files)));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith(ownPrefix) && name !== site.cache)
    .map((name) => caches.delete(name)))));
});

// The site's own files come from this build's cache, anything else from the network.
self.addEventListener('fetch', (event) => {
  event.respondWith(caches.open(site.cache)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
