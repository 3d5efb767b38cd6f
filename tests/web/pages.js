// What the pages' tests share: the editions, the PIN and text they use,
// the pages' addresses, velk-encrypt-decrypt's cipher to check against, and
// the sizes for fingers.
// Needs VELK_PAGES (the folder of the pages) and VELK_CLI.
'use strict';

const assert = require('node:assert/strict');
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

// What a finger meets in the page, as the body of a function that runs
// there: of the elements that the selector `arguments[0]` names, each one's
// [left, top, width, height] and font size in CSS pixels, by id or class.
const MEASURE = `return Object.fromEntries([...document.querySelectorAll(arguments[0])].map((e) => {
  const r = e.getBoundingClientRect();
  return [e.id || e.className, {box: [r.left, r.top, r.width, r.height].map(Math.round),
                                font: parseFloat(getComputedStyle(e).fontSize)}];
}));`;
// The window's parts that MEASURE takes for assertFingerSized.
const WINDOW_PARTS = '#Form1, .velk-close, .velk-menutitle, .velk-client > *';

/**
 * Asserts that the window, as MEASURE saw WINDOW_PARTS, fills a screen of
 * `width` by `height` with every control whole, what a finger taps at least
 * 44 pixels each way, the text in boxes and lists at least 16 pixels, and
 * Text1 the most of the screen.
 * @param {Record<string, {box: number[], font: number}>} seen
 * @param {Edition} edition
 * @param {number} width
 * @param {number} height
 */
function assertFingerSized(seen, edition, width, height) {
  assert.deepEqual(seen.Form1.box, [0, 0, width, height]);
  const v2 = edition.keys !== null;
  for (const id of ['velk-close', 'EncryptDecrypt', 'txtKey', 'Combo1', ...(v2 ? ['Kk1', 'Kk2', 'Kk3', 'Kk4'] : [])]) {
    assert.ok(seen[id].box[2] >= 44 && seen[id].box[3] >= 44, `${id}: ${seen[id].box}`);
  }
  for (const id of ['txtKey', 'Text1', 'Combo1', ...(v2 ? ['Kk1'] : [])]) {
    assert.ok(seen[id].font >= 16, `${id}: ${seen[id].font} px`);
  }
  for (const [id, {box}] of Object.entries(seen)) {
    if (id === 'Label3') continue;  // hidden until a run
    assert.ok(box[0] >= 0 && box[1] >= 0 && box[0] + box[2] <= width && box[1] + box[3] <= height,
              `${id}: ${box}`);
  }
  const text1 = seen.Text1.box;
  assert.ok(text1[3] >= height / 2 && (width < height || text1[2] >= width / 2), `Text1: ${text1}`);
}

module.exports = {EDITIONS, PIN, PLAIN, pageUrl, cipher, MEASURE, WINDOW_PARTS, assertFingerSized};
