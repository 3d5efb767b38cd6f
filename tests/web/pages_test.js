// The two pages in a headless browser, from file:// on a desktop's and a
// phone's screen and from the served folder on 127.0.0.1, driven as a user
// drives them; the cipher checked against velk-encrypt-decrypt.
// VELK_BROWSER=chromium runs everything, =firefox the round trip. Needs
// VELK_PAGES, VELK_CLI and VELK_CHROMIUM or VELK_FIREFOX.
'use strict';

const {describe, it, before, after} = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const {EDITIONS, PIN, PLAIN, pageUrl, cipher, MEASURE, WINDOW_PARTS, assertFingerSized} =
    require('./pages.js');

const BROWSER = process.env.VELK_BROWSER || 'chromium';
const CHROMIUM = BROWSER === 'chromium';
const SCREENSHOTS = process.env.VELK_SCREENSHOTS;  // a folder, to look at

/** @typedef {import('puppeteer-core').Page & {errors?: string[]}} Page */
/** @typedef {import('./pages.js').Edition} Edition */

/** @type {import('puppeteer-core').Browser} */
let browser;
/** @type {string} */
let profile;

before(async () => {
  profile = fs.mkdtempSync(path.join(os.tmpdir(), 'velk-web-'));
  browser = await puppeteer.launch(CHROMIUM ? {
    browser: 'chrome',
    executablePath: process.env.VELK_CHROMIUM,
    headless: true,
    userDataDir: profile,
    ignoreDefaultArgs: ['--hide-scrollbars'],
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  } : {
    browser: 'firefox',
    executablePath: process.env.VELK_FIREFOX,
    headless: true,
    userDataDir: profile,
  });
  if (CHROMIUM) {
    // The page may read the clipboard back, as where the user allowed it.
    const session = await browser.target().createCDPSession();
    await session.send('Browser.grantPermissions',
                       {permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite']});
  }
});

after(async () => {
  if (browser) await browser.close();
  fs.rmSync(profile, {recursive: true, force: true});
});

/**
 * Opens the edition's page and waits for its window; a viewport with touch
 * is a phone's, with Chrome on Android.
 * @param {Edition} edition
 * @param {import('puppeteer-core').Viewport} viewport
 * @returns {Promise<Page>}
 */
async function open(edition, viewport = {width: 1024, height: 700}, url = pageUrl(edition)) {
  const page = /** @type {Page} */ (await browser.newPage());
  /** @type {string[]} */
  const errors = [];
  page.on('pageerror', (e) => errors.push(/** @type {Error} */ (e).message));
  page.errors = errors;
  await page.emulate({viewport, userAgent: (await browser.userAgent())
                                     .replace('Linux', viewport.hasTouch ? 'Android 14' : 'Linux')});
  await page.goto(url);
  await page.waitForSelector('#Form1:not([hidden])');
  await page.evaluate(() => document.fonts.ready);
  return page;
}

/** @param {Page} page @param {string} id */
const value = (page, id) => page.$eval('#' + id, (e) => /** @type {HTMLInputElement} */ (e).value);
/** @param {Page} page @param {string} name a screenshot to look at, where asked for */
const screenshot = (page, name) => SCREENSHOTS && page.screenshot({path: path.join(SCREENSHOTS, name + '.png')});
/** @param {Page} page */
const beeps = (page) => page.evaluate(() => VelkDom.beeps);

/**
 * @param {Page} page
 * @param {{keys: string[] | null}} edition
 * @param {string} passes
 */
async function setControls(page, edition, passes) {
  await page.select('#Combo1', passes);
  if (edition.keys) {
    for (let i = 0; i < 4; ++i) await page.select('#Kk' + (i + 1), edition.keys[i]);
  }
  await page.focus('#txtKey');
}

/**
 * Puts `text` in Text1 as typing would (fast): the box's own value.
 * @param {Page} page
 * @param {string} text
 */
async function fillText1(page, text) {
  await page.$eval('#Text1', (e, t) => { /** @type {HTMLTextAreaElement} */ (e).value = t; }, text);
}

// The menu by keys: Alt+Shift+E, then the item's letter(s). E is
// Encrypt's access key and Exit's: it goes from one to the other, Enter
// chooses.
/** @param {Page} page @param {...import('puppeteer-core').KeyInput} letters */
async function menuKeys(page, ...letters) {
  await page.keyboard.down('Alt');
  await page.keyboard.down('Shift');
  await page.keyboard.press('KeyE');
  await page.keyboard.up('Shift');
  await page.keyboard.up('Alt');
  for (const letter of letters) await page.keyboard.press(letter);
}

/**
 * The open message box: title, prompt, icon; closed with Enter.
 * @param {Page} page
 */
async function messageBox(page) {
  await page.waitForSelector('dialog[open]');
  const box = await page.$eval('dialog[open]', (d) => ({
    title: d.querySelector('.velk-title').textContent,
    prompt: d.querySelector('.velk-box-prompt').textContent,
    icon: d.querySelector('[role=img]').getAttribute('aria-label'),
    modal: d.matches(':modal'),
  }));
  await page.keyboard.press('Enter');
  await page.waitForSelector('dialog[open]', {hidden: true});
  return box;
}

/** @param {Page} page */
async function waitIdle(page) {
  await page.waitForFunction(() => !document.querySelector('#Label3:not([hidden])') &&
                                   !document.documentElement.classList.contains('velk-busy'));
}

describe(`both pages in ${BROWSER}`, () => {
  for (const edition of EDITIONS) {
    it(`${edition.name}: a round trip by the menu's keys, the cipher velk-encrypt-decrypt's`, async () => {
      const page = await open(edition);
      await setControls(page, edition, '03');
      await page.keyboard.type(PIN);
      await fillText1(page, PLAIN);
      await page.evaluate(() => {
        // What the run shows while it works.
        window.seen = {busy: false, status: ''};
        new MutationObserver(() => {
          const label = document.getElementById('Label3');
          if (document.documentElement.classList.contains('velk-busy')) window.seen.busy = true;
          if (!label.hidden) window.seen.status = label.textContent;
        }).observe(document.documentElement, {attributes: true, subtree: true});
      });
      await menuKeys(page, 'e', 'Enter');
      await waitIdle(page);
      assert.equal(await value(page, 'Text1'), cipher(edition, PLAIN, 3, false));
      assert.deepEqual(await page.evaluate(() => window.seen),
                       {busy: true, status: 'Please Wait Working On Txt'});
      await menuKeys(page, 'd');
      await waitIdle(page);
      assert.equal(await value(page, 'Text1'), PLAIN);
      // And velk-encrypt-decrypt's cipher deciphers in the page.
      await fillText1(page, cipher(edition, PLAIN, 3, false));
      await menuKeys(page, 'd');
      await waitIdle(page);
      assert.equal(await value(page, 'Text1'), PLAIN);
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }
});

describe('the pages\' window in Chromium', {skip: !CHROMIUM}, () => {
  it('opens as the edition describes it, with names for screen readers', async () => {
    for (const edition of EDITIONS) {
      const page = await open(edition, {width: 800, height: 500});
      const shownAfter = await page.evaluate(
          () => performance.getEntriesByName('velk-window-shown')[0].startTime);
      console.log(`# ${edition.name}: window shown ${shownAfter.toFixed(0)} ms after opening`);
      await screenshot(page, edition.name);
      const window = await page.evaluate(() => {
        /** @param {string} id */
        const box = (id) => {
          const e = document.getElementById(id);
          const r = e.getBoundingClientRect();
          const c = document.querySelector('.velk-client').getBoundingClientRect();
          return [r.left - c.left, r.top - c.top, r.width, r.height];
        };
        /** @param {string} id */
        const label = (id) => document.getElementById(id).labels[0].textContent;
        return {
          title: document.title,
          focus: document.activeElement?.id,
          pin: box('txtKey'),
          text1: box('Text1'),
          client: [document.querySelector('.velk-client').offsetWidth,
                   document.querySelector('.velk-client').offsetHeight],
          names: [label('txtKey'), label('Combo1'), document.getElementById('Text1').ariaLabel,
                  ...[1, 2, 3, 4].map((n) => {
                    const e = document.getElementById('Kk' + n);
                    return e && e.getAttribute('aria-label');
                  })],
          passes: [...document.getElementById('Combo1').options].map((o) => o.value),
          combo: document.getElementById('Combo1').value,
          pickers: [1, 2, 3, 4].map((n) => {
            const e = document.getElementById('Kk' + n);
            return e && [e.value, e.options.length];
          }),
          copy: document.getElementById('CopyToClipboard').getAttribute('aria-disabled'),
          menu: [...document.querySelectorAll('.velk-menu > *')].map((e) => e.textContent),
          tabOrder: [...document.querySelectorAll('.velk-client > input, .velk-client > textarea, .velk-client > select')].map((e) => e.id),
          inputMode: document.getElementById('txtKey').inputMode,
          // Every caption whole: no label's text is wider than the label.
          clipped: [...document.querySelectorAll('.velk-label, .velk-item, .velk-menutitle')]
              .filter((e) => e.scrollWidth > e.clientWidth + 1).map((e) => e.id),
        };
      });
      const v2 = edition.keys !== null;
      assert.equal(window.title, edition.caption);
      // The page's title before the program starts is the program's caption.
      const file = fs.readFileSync(new URL(pageUrl(edition)), 'utf8');
      assert.equal(file.match(/<title>([^<]*)<\/title>/)?.[1], window.title);
      assert.equal(window.focus, 'txtKey');
      assert.deepEqual(window.pin, [296, v2 ? 3 : 3, 63, 22]);
      assert.deepEqual(window.text1, v2 ? [0, 30, 601, 241] : [3, 32, 601, 241]);
      assert.deepEqual(window.client, v2 ? [609, 302] : [609, 285]);
      assert.deepEqual(window.names.slice(0, v2 ? 7 : 3),
                       ['Enter Pin', 'Number Of Times', 'Text',
                        ...(v2 ? ['Key 1', 'Key 2', 'Key 3', 'Key 4'] : [])]);
      assert.equal(window.passes.length, 256);
      assert.deepEqual([window.passes[0], window.passes[8], window.passes[9], window.passes[255]],
                       ['01', '09', '10', '256']);
      assert.equal(window.combo, '01');
      assert.deepEqual(window.pickers, v2 ? [['01', 99], ['02', 99], ['03', 99], ['04', 99]]
                                          : [null, null, null, null]);
      assert.equal(window.copy, 'true');
      assert.deepEqual(window.menu, ['', 'Encrypt Or Decrypt Txt ', 'Decrypt Or Encrypt Txt ', '',
                                     'Copy To Clipboard', '', 'Exit', '']);
      assert.deepEqual(window.tabOrder, ['txtKey', 'Text1', 'Combo1',
                                         ...(v2 ? ['Kk1', 'Kk2', 'Kk3', 'Kk4'] : [])]);
      assert.equal(window.inputMode, 'numeric');
      assert.deepEqual(window.clipped, []);
      await page.close();
    }
  });

  it('takes digits into the PIN box up to eight, refuses the rest with the beep, never lets it out', async () => {
    const page = await open(EDITIONS[0]);
    await page.keyboard.type('12a3 4-56789');
    assert.equal(await value(page, 'txtKey'), '12345678');
    assert.equal(await beeps(page), 3);  // 'a', blank, '-'; the ninth digit meets the box's limit
    await page.keyboard.press('Backspace');
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.press('Delete');
    assert.equal(await value(page, 'txtKey'), '123456');
    assert.equal(await beeps(page), 3);
    // Copying and cutting out of the box: refused, the clipboard kept.
    await page.evaluate(() => navigator.clipboard.writeText('before'));
    await page.evaluate(() => document.getElementById('txtKey').setSelectionRange(0, 6));
    for (const key of /** @type {const} */ (['KeyC', 'KeyX'])) {
      await page.keyboard.down('Control');
      await page.keyboard.press(key);
      await page.keyboard.up('Control');
    }
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'before');
    assert.equal(await value(page, 'txtKey'), '123456');
    assert.equal(await beeps(page), 5);
    // A paste that would not leave 8 digits at most is refused whole.
    for (const [clip, after] of [['12ab', '123456'], ['999', '123456'], ['77', '12345677']]) {
      await page.evaluate((t) => navigator.clipboard.writeText(t), clip);
      await page.evaluate(() => {
        const e = document.getElementById('txtKey');
        e.setSelectionRange(e.value.length, e.value.length);
      });
      await page.keyboard.down('Control');
      await page.keyboard.press('KeyV');
      await page.keyboard.up('Control');
      assert.equal(await value(page, 'txtKey'), after, clip);
    }
    assert.equal(await beeps(page), 7);
    await page.close();
  });

  it('pastes a text of many lines into Text1, and refuses one past the length limit', async () => {
    const page = await open(EDITIONS[1]);
    await page.focus('#Text1');
    /** @param {string} text */
    const paste = async (text) => {
      await page.evaluate((t) => navigator.clipboard.writeText(t), text);
      await page.keyboard.down('Control');
      await page.keyboard.press('KeyV');
      await page.keyboard.up('Control');
    };
    await paste('one\r\ntwo\nthree\r\n');
    assert.equal(await value(page, 'Text1'), 'one\ntwo\nthree\n');
    // 14 units with 3 line breaks count 17; with 32,749 more the box holds
    // the most a pass takes; one more is refused, the box left as it was.
    await paste('x'.repeat(32749));
    assert.equal((await value(page, 'Text1')).length, 32763);
    await page.evaluate(() => document.getElementById('Text1').setSelectionRange(0, 0));
    await paste('y');
    assert.deepEqual(await messageBox(page), {
      title: ' Velk Encrypt Decrypt',
      prompt: 'The Txt Is Too Long: At Most 32766 Characters Can Be Worked On',
      icon: 'Error', modal: true});
    assert.equal((await value(page, 'Text1')).length, 32763);
    assert.equal(await page.evaluate(() => document.activeElement?.id), 'Text1');
    await page.close();
  });

  it('refuses a run with the edition\'s title and message, the text left as it was', async () => {
    /** @type {[Edition, string, string[] | null, string][]} */
    const cases = [
      [EDITIONS[0], '', ['01', '02', '03', '04'], 'Enter Pin'],
      [EDITIONS[0], '1234567', ['01', '02', '01', '04'], 'Two Keys The Same'],
      [EDITIONS[0], '1234567', ['01', '02', '03', '04'], 'Enter Pin 8 Numbers'],
      [EDITIONS[1], '', null, 'Enter Pin'],
      [EDITIONS[1], '1234567', null, 'Enter Pin 8 Numbers'],
    ];
    for (const [edition, pin, keys, message] of cases) {
      const page = await open(edition);
      await setControls(page, {keys}, '01');
      await page.keyboard.type(pin);
      await fillText1(page, 'unchanged');
      await menuKeys(page, 'd');
      assert.deepEqual(await messageBox(page),
                       {title: ' ' + edition.caption, prompt: message, icon: 'Error', modal: true});
      assert.equal(await value(page, 'Text1'), 'unchanged');
      assert.equal(await page.$eval('#CopyToClipboard', (e) => e.getAttribute('aria-disabled')),
                   'true');
      await page.close();
    }
  });

  it('copies Text1 to the clipboard, confirms it and reads the clipboard back', async () => {
    const page = await open(EDITIONS[0]);
    await page.keyboard.type(PIN);
    await fillText1(page, PLAIN);
    await menuKeys(page, 'c', 'Escape');  // disabled until a run has completed: nothing
    assert.equal(await page.$('dialog[open]'), null);
    await menuKeys(page, 'e', 'Enter');
    await waitIdle(page);
    await menuKeys(page, 'c');
    assert.deepEqual(await messageBox(page), {
      title: ' Velk Encrypt Decrypt ', prompt: ' Your Txt \n\n Has Been Copyed To Clipboard ',
      icon: 'Information', modal: true});
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
                 await value(page, 'Text1'));
    assert.equal(await page.evaluate(() => document.activeElement?.id), 'txtKey');
    await page.close();
  });

  it('answers every key, paste and click during a long run as the desktop window does', async () => {
    const edition = EDITIONS[0];
    const page = await open(edition);
    const long = (PLAIN.replace(/\n/g, ' ') + '\n').repeat(300).slice(0, 32000);
    await setControls(page, edition, '256');
    await page.keyboard.type(PIN);
    await fillText1(page, long);
    // The run is held before each pass until the test lets it go.
    const hold = () => page.evaluate(() => {
      const processEvents = VelkDom.processEvents;
      /** @type {Promise<void>} */
      const held = new Promise((resolve) => { window.release = resolve; });
      VelkDom.processEvents = () => held.then(processEvents);
    });
    /** @param {string} id @param {string} text */
    const paste = async (id, text) => {
      await page.evaluate((t) => navigator.clipboard.writeText(t), text);
      await page.focus('#' + id);
      await page.keyboard.down('Control');
      await page.keyboard.press('KeyV');
      await page.keyboard.up('Control');
    };
    await hold();
    await menuKeys(page, 'e', 'Enter');
    await page.waitForSelector('#Label3:not([hidden])');
    const before = await beeps(page);
    await page.type('#txtKey', 'x5');  // the letter beeps; the locked box takes neither
    await page.type('#Text1', 'typed');
    await paste('txtKey', '12');
    await paste('Text1', 'pasted');
    await menuKeys(page, 'd', 'Escape');  // disabled: nothing, now or later
    await page.click('#EncryptDecrypt');
    await page.click('#EncryptTxt');
    await page.keyboard.press('Escape');
    assert.equal(await beeps(page) - before, 1);
    assert.equal(await page.$('dialog[open]'), null);
    await page.evaluate(() => window.release());
    await waitIdle(page);
    const enciphered = cipher(edition, long, 256, false);
    assert.equal(await value(page, 'Text1'), enciphered);
    assert.equal(await value(page, 'txtKey'), PIN);
    // Every command works afterwards.
    await page.focus('#txtKey');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('8');
    await menuKeys(page, 'd');
    await waitIdle(page);
    assert.equal(await value(page, 'Text1'), long);
    await menuKeys(page, 'c');
    assert.equal((await messageBox(page)).icon, 'Information');
    // The close box waits for the run's end, then ends the program.
    await hold();
    await menuKeys(page, 'e', 'Enter');
    await page.waitForSelector('#Label3:not([hidden])');
    await page.click('.velk-close');
    await page.evaluate(() => {
      window.release();
      const label = document.getElementById('Label3');
      new MutationObserver(() => {
        if (label.hidden && window.ran === undefined) window.ran = document.getElementById('Text1').value;
      }).observe(label, {attributes: true});
    });
    await page.waitForSelector('.velk-ended', {timeout: 20000});
    assert.equal(await page.evaluate(() => window.ran), enciphered);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  it('ends with the closing slide, then a page that says the program has ended', async () => {
    const page = await open(EDITIONS[1]);
    const start = await page.$eval('#Form1', (e) => e.getBoundingClientRect().toJSON());
    await page.evaluate(() => {
      window.steps = [];
      new MutationObserver(() => {
        const e = document.getElementById('Form1');
        if (e) window.steps.push([e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]);
      }).observe(document.getElementById('Form1'), {attributes: true, attributeFilter: ['style']});
    });
    await menuKeys(page, 'e', 'e', 'Enter');
    await page.waitForFunction(() => {
      const note = document.querySelector('.velk-ended');
      return note && note.textContent.includes('The program has ended.');
    }, {timeout: 20000});
    const steps = await page.evaluate(() => window.steps);
    assert.ok(steps.length > 100, `${steps.length} steps`);
    // Each step 2 pixels right and down (30 twips), 4 smaller (60 twips),
    // down to the smallest frame; the last one's top past the page's width.
    assert.deepEqual(steps[0], [start.left + 2, start.top + 2, start.width - 4, start.height - 4]);
    const last = steps[steps.length - 1];
    assert.ok(last[1] > 1024, `last top ${last[1]}`);
    assert.deepEqual(last.slice(2), [112, 27]);
    assert.equal(await page.$('#Form1'), null);
    assert.equal(await page.title(), 'Velk Encrypt Decrypt (ended)');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  it('tells a browser that may not compile the program why it cannot run it', async () => {
    const page = await browser.newPage();
    // As a browser without 'wasm-unsafe-eval' refuses the page's WebAssembly.
    await page.evaluateOnNewDocument(() => {
      WebAssembly.Module = /** @type {typeof WebAssembly.Module} */ (/** @type {unknown} */ (
        function () { throw new WebAssembly.CompileError('refused by the policy'); }));
    });
    await page.goto(pageUrl(EDITIONS[1]));
    const note = await page.waitForSelector('.velk-ended[role=alert]');
    assert.match(String(await note?.evaluate((e) => e.textContent)),
                 /cannot run Velk Encrypt Decrypt\. It needs Chrome or Edge 97, Firefox 102, or Safari 16/);
    assert.equal(await page.$('#Form1'), null);
    await page.close();
  });

  it('asks the network for nothing: the log holds the page alone', async () => {
    const page = await browser.newPage();
    const session = await page.createCDPSession();
    /** @type {string[]} */
    const requests = [];
    session.on('Network.requestWillBeSent', (e) => requests.push(e.request.url));
    await session.send('Network.enable');
    await page.goto(pageUrl(EDITIONS[0]));
    await page.waitForSelector('#Form1:not([hidden])');
    await page.keyboard.type(PIN);
    await fillText1(page, 'nothing leaves');
    await menuKeys(page, 'e', 'Enter');
    await waitIdle(page);
    await menuKeys(page, 'c');
    await messageBox(page);
    await new Promise((resolve) => setTimeout(resolve, 500));
    assert.deepEqual(requests, [pageUrl(EDITIONS[0])]);
    assert.deepEqual(await page.evaluate(() => [document.cookie, localStorage.length,
                                                sessionStorage.length]), ['', 0, 0]);
    await page.close();
  });
});

/** @param {number} width @param {number} height */
const phone = (width, height) => ({width, height, isMobile: true, hasTouch: true, deviceScaleFactor: 2});

/**
 * MEASURE's answer for the elements that `selector` names.
 * @param {Page} page
 * @param {string} selector
 * @returns {Promise<Record<string, {box: number[], font: number}>>}
 */
function measure(page, selector) {
  return /** @type {Promise<Record<string, {box: number[], font: number}>>} */ (
    page.evaluate(`(function () { ${MEASURE} })(${JSON.stringify(selector)})`));
}

describe('the pages on a phone in Chromium', {skip: !CHROMIUM}, () => {
  for (const [width, height] of [[390, 844], [844, 390]]) {
    it(`${width} by ${height}: the screen filled, every tap target and text a finger's size, ` +
       'the menu and a round trip by taps', async () => {
      for (const edition of EDITIONS) {
        const page = await open(edition, phone(width, height));
        await screenshot(page, `${edition.name}-${width}x${height}`);
        assertFingerSized(await measure(page, WINDOW_PARTS), edition, width, height);
        assert.equal(await page.evaluate(() => document.activeElement?.id), 'txtKey');

        // The menu by taps: its entries touch-sized, a refusal's OK too.
        await page.tap('#EncryptDecrypt');
        await screenshot(page, `${edition.name}-${width}x${height}-menu`);
        const entries = await measure(page, '.velk-menu > .velk-item');
        assert.deepEqual(Object.keys(entries), ['EncryptTxt', 'DecryptTxt', 'CopyToClipboard', 'Exit1']);
        for (const [id, {box, font}] of Object.entries(entries)) {
          assert.ok(box[2] >= 44 && box[3] >= 44 && font >= 16 && box[1] + box[3] <= height, `${id}: ${box}`);
        }
        await page.tap('#EncryptDecrypt');
        assert.ok(await page.$('.velk-menu[hidden]'));
        await page.tap('#EncryptDecrypt');
        await page.tap('#DecryptTxt');
        await page.waitForSelector('dialog[open]');
        const ok = (await measure(page, 'dialog[open] .velk-ok'))['velk-ok'].box;
        assert.ok(ok[2] >= 44 && ok[3] >= 44, `OK: ${ok}`);
        await page.tap('dialog[open] .velk-ok');
        await page.waitForSelector('dialog[open]', {hidden: true});

        // A round trip by taps.
        await setControls(page, edition, '02');
        await page.tap('#txtKey');
        await page.keyboard.type(PIN);
        await fillText1(page, PLAIN);
        await page.tap('#EncryptDecrypt');
        await page.tap('#EncryptTxt');
        await waitIdle(page);
        assert.equal(await value(page, 'Text1'), cipher(edition, PLAIN, 2, false));
        await page.tap('#EncryptDecrypt');
        await page.tap('#DecryptTxt');
        await waitIdle(page);
        assert.equal(await value(page, 'Text1'), PLAIN);
        await page.tap('#EncryptDecrypt');
        await page.tap('#Exit1');
        await page.waitForSelector('.velk-ended', {timeout: 20000});
        assert.deepEqual(page.errors, []);
        await page.close();
      }
    });
  }

  it('keeps the box with the focus above the on-screen keyboard', async () => {
    const page = await open(EDITIONS[0], phone(390, 844));
    // The keyboard shows or goes: the visual viewport as a phone reports it;
    // then the window's place, and the focused box's top and bottom in the
    // client area's room.
    /** @param {number} top @param {number} height */
    const keyboard = (top, height) => page.evaluate((t, h) => {
      const view = /** @type {VisualViewport} */ (window.visualViewport);
      Object.defineProperty(view, 'offsetTop', {value: t, configurable: true});
      Object.defineProperty(view, 'height', {value: h, configurable: true});
      view.dispatchEvent(new Event('resize'));
      const e = /** @type {Element} */ (document.activeElement).getBoundingClientRect();
      const room = document.querySelector('.velk-client').getBoundingClientRect();
      const frame = document.getElementById('Form1').getBoundingClientRect();
      return {frame: [frame.top, frame.height], box: [e.top, e.bottom], room: [room.top, room.bottom]};
    }, top, height);
    // Text1 shrinks to what the keyboard leaves; where it begins below
    // even that, the client area scrolls it into the room.
    await page.tap('#Text1');
    let seen = await keyboard(0, 500);
    assert.ok(seen.box[0] >= seen.room[0] && seen.box[1] <= seen.room[1], JSON.stringify(seen));
    seen = await keyboard(0, 220);
    assert.deepEqual(seen.frame, [0, 220]);
    assert.ok(seen.box[0] >= seen.room[0] && seen.box[0] + 44 <= seen.room[1], JSON.stringify(seen));
    // Where the browser scrolls the page under the keyboard, the window
    // follows; the PIN box, scrolled away above, comes back.
    await page.focus('#txtKey');
    seen = await keyboard(120, 220);
    assert.deepEqual(seen.frame, [120, 220]);
    assert.ok(seen.box[0] >= seen.room[0] && seen.box[1] <= seen.room[1], JSON.stringify(seen));
    assert.deepEqual((await keyboard(0, 844)).frame, [0, 844]);
    await page.close();
  });
});

/**
 * A static web server on 127.0.0.1 over a copy of the served folder, which
 * the test may change as a new version would.
 * @returns {Promise<{url: string, folder: string, close: () => Promise<void>}>}
 */
async function serveSite() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'velk-site-'));
  fs.cpSync(path.resolve(process.env.VELK_PAGES || '', 'site'), folder, {recursive: true});
  /** @type {Record<string, string>} */
  const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
                 '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml'};
  const server = http.createServer((request, response) => {
    const file = path.join(folder, new URL(request.url || '', 'http://x').pathname.slice(1) || 'index.html');
    const found = file.startsWith(folder + path.sep) && fs.existsSync(file);
    response.writeHead(found ? 200 : 404, {'Content-Type': types[path.extname(file)] || 'text/plain'});
    response.end(found ? fs.readFileSync(file) : '');
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(null)));
  const port = /** @type {import('node:net').AddressInfo} */ (server.address()).port;
  const close = () => new Promise((resolve) => {
    server.closeAllConnections();
    server.close(() => resolve(fs.rmSync(folder, {recursive: true, force: true})));  // once or again
  });
  return {url: `http://127.0.0.1:${port}/`, folder, close};
}

/**
 * A round trip by the menu's keys in the open page, checked against
 * velk-encrypt-decrypt: the page works.
 * @param {Page} page
 * @param {Edition} edition
 */
async function roundTrip(page, edition) {
  await setControls(page, edition, '02');
  await page.keyboard.type(PIN);
  await fillText1(page, PLAIN);
  await menuKeys(page, 'e', 'Enter');
  await waitIdle(page);
  assert.equal(await value(page, 'Text1'), cipher(edition, PLAIN, 2, false));
  await menuKeys(page, 'd');
  await waitIdle(page);
  assert.equal(await value(page, 'Text1'), PLAIN);
}

/** @param {Page} page once the served folder's service worker controls it */
const controlled = (page) => page.waitForFunction(() => navigator.serviceWorker.controller !== null);

/** @param {boolean} offline */
const network = (offline) => ({offline, latency: 0, downloadThroughput: -1, uploadThroughput: -1});

describe('the served folder in Chromium', {skip: !CHROMIUM}, () => {
  it('leads from its index to each page, which its worker keeps and the browser may install', async () => {
    const site = await serveSite();
    const page = /** @type {Page} */ (await browser.newPage());
    try {
      const session = await page.createCDPSession();
      await page.goto(site.url);
      await controlled(page);  // before a page is opened: a page opened sooner waits for its next load
      const links = await page.$$eval('a', (a) => a.map((e) => [e.textContent, e.getAttribute('href')]));
      assert.deepEqual(links, EDITIONS.map((e) => [e.caption, e.name + '.html']));
      for (const edition of EDITIONS) {
        await Promise.all([page.waitForNavigation(), page.click(`a[href="${edition.name}.html"]`)]);
        await page.waitForSelector('#Form1:not([hidden])');
        await controlled(page);
        assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
        const manifest = await session.send('Page.getAppManifest');
        assert.deepEqual([manifest.errors, JSON.parse(manifest.data || '{}').name], [[], edition.caption]);
        await roundTrip(page, edition);
        await page.goBack();
      }
    } finally {
      await page.close();
      await site.close();
    }
  });

  it('opens the index and each page with the network off, and the pages work', async () => {
    const site = await serveSite();
    const page = /** @type {Page} */ (await browser.newPage());
    try {
      await page.goto(site.url);
      await controlled(page);
      const session = await page.createCDPSession();
      await session.send('Network.enable');
      await session.send('Network.emulateNetworkConditions', network(true));
      await site.close();  // and the server gone too
      await page.reload();
      assert.equal(await page.$$eval('a', (a) => a.length), EDITIONS.length);
      for (const edition of EDITIONS) {
        await page.goto(site.url + edition.name + '.html');
        await page.waitForSelector('#Form1:not([hidden])');
        await roundTrip(page, edition);
      }
      await session.send('Network.emulateNetworkConditions', network(false));
    } finally {
      await page.close();
      await site.close();
    }
  });

  it('takes a new version on the next load, the page that runs left as it was', async () => {
    const site = await serveSite();
    const edition = EDITIONS[0];
    try {
      const page = await open(edition, undefined, site.url + edition.name + '.html');
      await controlled(page);
      const [before] = await page.evaluate(() => caches.keys());
      // A new version on the server: the page's text and the worker's digest changed.
      const file = path.join(site.folder, edition.name + '.html');
      fs.writeFileSync(file, fs.readFileSync(file, 'utf8').replace(' 2.', ' 9.'));
      const worker = path.join(site.folder, 'service-worker.js');
      fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(/var DIGEST = "/, '$&new'));
      await page.evaluate(() => navigator.serviceWorker.ready.then((r) => r.update()));
      await page.waitForFunction((old) => caches.keys().then((names) => names.length === 1 && names[0] !== old),
                                 {}, before);
      const version = () => page.evaluate(() => document.body.innerHTML.match(/Decrypt V2 (\d)\./)?.[1]);
      assert.equal(await version(), '2');
      await roundTrip(page, edition);
      await page.reload();
      await page.waitForSelector('#Form1:not([hidden])');
      assert.equal(await version(), '9');
      await page.close();
    } finally {
      await site.close();
    }
  });
});
