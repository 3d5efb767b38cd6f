// What the pages' tests share: the editions, the PIN and text they use,
// the pages' addresses, and velk-encrypt-decrypt's cipher to check against.
// Needs VELK_PAGES (the folder of the pages) and VELK_CLI.
'use strict';

const {execFileSync} = require('node:child_process');
const path = require('node:path');

/** @typedef {{name: string, caption: string, keys: string[] | null}} Edition */

/** @type {Edition[]} */
const EDITIONS = [
  {name: 'VelkEncryptDecryptV2', caption: 'Velk Encrypt Decrypt V2', keys: ['07', '31', '58', '99']},
  {name: 'VelkEncryptDecrypt', caption: 'Velk Encrypt Decrypt', keys: null},
];
const PIN = '27182818';
// The six non-ASCII Alphabet characters, the double quote, blanks, a tab
// and line breaks.
const PLAIN = 'Secret: the quick brown fox, 0123456789 times!\n' +
  'Non-ASCII: \u00ac \u00a3 \u20ac \u00bf \u00a7 \u00d8 "quoted" ^_^\t+=-`|\\/;:\'\n\nLast line!';

/** @param {Edition} edition */
function pageUrl(edition) {
  return 'file://' + path.resolve(process.env.VELK_PAGES || '', edition.name + '.html');
}

/**
 * `text` through velk-encrypt-decrypt with PIN, the edition's keys and
 * `passes`, forward or inverse.
 * @param {{keys: string[] | null}} edition the keys, none for the classic edition's
 * @param {string} text
 * @param {number} passes
 * @param {boolean} [inverse]
 */
function cipher(edition, text, passes, inverse) {
  const args = ['--pin-fd', '3', '--passes', String(passes)];
  if (edition.keys) args.push('--keys', ...edition.keys);
  else args.push('--classic');
  if (inverse) args.push('--inverse');
  return execFileSync('bash', ['-c', '"$0" "$@" 3<<<"$VELK_PIN"', process.env.VELK_CLI || '', ...args],
                      {input: text, env: {...process.env, VELK_PIN: PIN}}).toString('utf8');
}

module.exports = {EDITIONS, PIN, PLAIN, pageUrl, cipher};
