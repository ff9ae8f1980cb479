// Keeps every file of the game after the first visit, so it starts and plays
// with no network. The list of files, and the name of this build's store,
// are written in by the build.
'use strict';
const kStore = 'pairon-@BUILD@';
const kFiles = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kStore).then((store) => store.addAll(kFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('pairon-') && name !== kStore)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The stored copy first; the network only for what is not stored.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(kStore).then((store) =>
    store.match(event.request, {ignoreSearch: true}).then((stored) => stored || fetch(event.request))));
});
