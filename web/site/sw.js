'use strict';
// Keeps the page, its manifest and its icons, so that once visited the app
// opens and computes with no connection. The cache's name is made from those
// files at build time: a new build is fetched whole, and the old one deleted.
const CACHE = '@CACHE@';
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  // Past the browser's own cache: the files of this build, not older ones.
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('tachoria-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') {
    return;
  }
  // Every view is index.html with its address after '#', so opening the
  // folder itself ("./") is the page too.
  const folder = request.mode === 'navigate' && new URL(request.url).pathname.endsWith('/');
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request)
      .then((hit) => hit || (folder ? cache.match('index.html') : undefined)))
    .then((hit) => hit || fetch(request)));
});
