// Served from a web server, a page keeps the pages for when the network is
// gone: the service worker beside it (service_worker.js) holds them. The
// page itself loads nothing more; a new version that the worker fetches is
// what the next load gets, never the page that runs.
'use strict';

(function () {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  navigator.serviceWorker.register('service-worker.js').catch(function () {
    // Without the worker the page still runs; only the offline copy is missing.
  });
})();
