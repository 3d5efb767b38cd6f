// The service worker of the served folder: it keeps every file of the folder
// (the pages, the index, the manifests and the icons) and answers from them,
// so that the pages open with the network gone. The folder's build puts in
// the files and a digest of them all; a folder built again differs in its
// digest, so the browser, which checks this script on each load, installs
// the new version beside the old one. Installed, the new version takes over
// at once and drops the old copy: the pages that run hold all they need, so
// they go on as they were, and the next load is the new version's.
'use strict';

var FILES = /*@FILES@*/ ['index.html'];
var DIGEST = /*@DIGEST@*/ '';

var scope = /** @type {VelkWorkerScope} */ (/** @type {unknown} */ (self));
// One folder's copies apart from another's on the same server.
var PREFIX = 'velk-encrypt-decrypt ' + scope.registration.scope + ' ';
var CACHE = PREFIX + DIGEST;

scope.addEventListener('install', function (event) {
  event.waitUntil(caches.open(CACHE).then(function (cache) {
    // From the server, not from the browser's cache, which may hold older files.
    return cache.addAll(FILES.map(function (file) { return new Request(file, {cache: 'reload'}); }));
  }).then(function () {
    return scope.skipWaiting();
  }));
});

scope.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.indexOf(PREFIX) === 0 && name !== CACHE;
    }).map(function (name) { return caches.delete(name); }));
  }).then(function () {
    return scope.clients.claim();
  }));
});

// The folder's own files from the copy, the folder's address as its index;
// anything else as the network answers.
scope.addEventListener('fetch', function (event) {
  var request = event.request;
  if (request.method !== 'GET' || request.url.indexOf(scope.registration.scope) !== 0) return;
  var url = new URL(request.url);
  var kept = url.href.split(/[?#]/)[0] === scope.registration.scope ? new URL('index.html', url).href
                                                                     : url.origin + url.pathname;
  event.respondWith(caches.open(CACHE).then(function (cache) {
    return cache.match(kept);
  }).then(function (answer) {
    return answer || fetch(request);
  }));
});
