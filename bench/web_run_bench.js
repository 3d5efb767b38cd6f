// A run of the second edition's page, timed in the page from the menu's
// click to the changed text: one pass and 256 passes over 32,000 characters
// in turn, ROUNDS times (default 7), in headless Chromium and in WebKitGTK's
// MiniBrowser. Prints each browser's medians and the ratio of the two.
//
//   node bench/web_run_bench.js [ROUNDS]
//
// VELK_PAGES is the folder of the pages (build/web); VELK_CHROMIUM,
// VELK_WEBKIT_DRIVER and VELK_MINIBROWSER name the programs, and a browser
// whose program is not there is left out. WebKit needs a display (DISPLAY,
// Xvfb will do).
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const web = path.join(__dirname, '..', 'tests', 'web');
const puppeteer = require(path.join(web, 'node_modules', 'puppeteer-core'));
const {Session} = require(path.join(web, 'webdriver.js'));

const ROUNDS = Number(process.argv[2] || 7);
const PAGE = 'file://' + path.resolve(process.env.VELK_PAGES || 'build/web',
                                      'VelkEncryptDecryptV2.html');
const TEXT = ('The quick brown fox jumps over the lazy dog, 0123456789 times! \u20ac\u00a3\n')
    .repeat(500).slice(0, 32000);

/**
 * In the page: one run of `passes` over `text`; gives its milliseconds.
 * @param {string} passes
 * @param {string} text
 * @returns {Promise<number>}
 */
function runOnce(passes, text) {
  const label = /** @type {HTMLElement} */ (document.getElementById('Label3'));
  /** @type {HTMLInputElement} */ (document.getElementById('txtKey')).value = '12345678';
  /** @type {HTMLSelectElement} */ (document.getElementById('Combo1')).value = passes;
  /** @type {HTMLTextAreaElement} */ (document.getElementById('Text1')).value = text;
  return new Promise((resolve) => {
    const start = performance.now();
    // The run hides the status line, then sets the text, in one go.
    const observer = new MutationObserver(() => {
      if (!label.hidden) return;
      observer.disconnect();
      resolve(performance.now() - start);
    });
    observer.observe(label, {attributes: true});
    /** @type {HTMLElement} */ (document.getElementById('EncryptTxt')).click();
  });
}

/** @param {number[]} values */
function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

/**
 * Runs the rounds with `run(passes)` and prints the figures.
 * @param {string} name
 * @param {(passes: string) => Promise<number>} run
 */
async function measure(name, run) {
  await run('01');  // the first run compiles what the later ones reuse
  const one = [], all = [];
  for (let round = 0; round < ROUNDS; ++round) {
    one.push(await run('01'));
    all.push(await run('256'));
  }
  const [a, b] = [median(one), median(all)];
  console.log(`${name}: one pass ${a.toFixed(1)} ms, 256 passes ${b.toFixed(1)} ms, ` +
              `ratio ${(b / a).toFixed(2)} (medians of ${ROUNDS})`);
}

async function chromium() {
  const program = process.env.VELK_CHROMIUM || '/usr/bin/chromium';
  if (!fs.existsSync(program)) return;
  const browser = await puppeteer.launch({browser: 'chrome', executablePath: program,
                                          headless: true, args: ['--no-sandbox']});
  try {
    const page = await browser.newPage();
    await page.goto(PAGE);
    await page.waitForSelector('#Form1:not([hidden])');
    await measure('headless Chromium', (passes) => page.evaluate(runOnce, passes, TEXT));
  } finally {
    await browser.close();
  }
}

async function webkit() {
  const driver = process.env.VELK_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
  const browser = process.env.VELK_MINIBROWSER ||
      '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
  if (!fs.existsSync(driver) || !fs.existsSync(browser)) return;
  const session = await Session.start(driver, browser, ['--automation']);
  try {
    await session.go(PAGE);
    const script = `return (${runOnce})(...arguments);`;
    await measure('WebKitGTK', (passes) => session.run(script, [passes, TEXT]));
  } finally {
    await session.quit();
  }
}

chromium().then(webkit).catch((e) => {
  console.error(e);
  process.exitCode = 1;
});
