// ESLint over the pages' scripts (web/*.js), their tests and their
// benchmark (tools/lint-web runs it from the top folder): the recommended
// rules, each file with the globals of where it runs.
'use strict';

const js = require('@eslint/js');
const globals = require('globals');

module.exports = [
  js.configs.recommended,
  {
    files: ['**/*.js'],
    languageOptions: {ecmaVersion: 2022, sourceType: 'commonjs'},
    rules: {'no-unused-vars': ['error', {caughtErrors: 'none'}]},
  },
  // The page's script, in the page, beside the fonts the page's build puts in.
  {
    files: ['web/window.js'],
    languageOptions: {sourceType: 'script', globals: {...globals.browser, VelkFonts: 'readonly'}},
  },
  // What the served pages and the index run first, in the page.
  {
    files: ['web/offline.js'],
    languageOptions: {sourceType: 'script', globals: globals.browser},
  },
  // The served folder's service worker.
  {
    files: ['web/service_worker.js'],
    languageOptions: {sourceType: 'script', globals: globals.serviceworker},
  },
  // The program's calls into the page, which Emscripten builds into the
  // program's script, with the names it gives.
  {
    files: ['web/library_velk.js'],
    languageOptions: {
      sourceType: 'script',
      globals: Object.fromEntries(['mergeInto', 'LibraryManager', 'HEAPU16', 'HEAP32', 'Module',
                                   'Asyncify', 'UTF8ToString', '_malloc', '_free', 'VelkDom']
                                      .map((name) => [name, 'readonly'])),
    },
  },
  // Under node, with functions that run in the page.
  {
    files: ['tests/web/*.js', 'bench/*.js'],
    languageOptions: {globals: {...globals.node, ...globals.browser, VelkDom: 'readonly'}},
  },
];
