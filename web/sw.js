// The offline copy of the site: every file of one build kept in a cache named after the
// build, the pages served from that cache alone, the caches of other builds dropped when
// this one takes over.  scripts/build-web fills in the build and its files.
"use strict";

const build = "@BUILD@";
const files = @FILES@;
const cacheName = "kelvary-" + build;

self.addEventListener("install", (event) => {
  // Fetched past the browser's HTTP cache, so that a build never keeps another's file.
  event.waitUntil(caches.open(cacheName).then((cache) =>
    cache.addAll(files.map((file) => new Request(file, { cache: "reload" })))));
});

// The first visit takes over at once; a later build waits until the page asks it to, at a
// start before the game loads (page.js).
self.addEventListener("message", (event) => {
  if (event.data === "take-over")
    self.skipWaiting();
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith("kelvary-") && name !== cacheName)
                                      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin)
    return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(request)));
});
