// The two pages in WebKitGTK (the engine of Safari), from file:// through
// WebKitWebDriver and its MiniBrowser: the round trip by the menu's keys
// with the cipher checked against velk-encrypt-decrypt, the PIN box's
// rules, the refusals, and the layout for fingers in a narrow window.
// Needs VELK_PAGES, VELK_CLI, VELK_WEBKIT_DRIVER and VELK_MINIBROWSER, and
// a display (DISPLAY; Xvfb will do).
'use strict';

const {describe, it, before, after} = require('node:test');
const assert = require('node:assert/strict');
const {Session} = require('./webdriver.js');
const {EDITIONS, PIN, PLAIN, pageUrl, cipher, MEASURE, WINDOW_PARTS, assertFingerSized} =
    require('./pages.js');

/** @type {Session} */
let session;

before(async () => {
  session = await Session.start(process.env.VELK_WEBKIT_DRIVER || 'WebKitWebDriver',
                                process.env.VELK_MINIBROWSER || 'MiniBrowser', ['--automation']);
});

after(async () => {
  if (session) await session.quit();
});

/** @param {string} script a function's body; true ends the wait */
async function waitFor(script) {
  for (let tries = 0; !(await session.run(script)); ++tries) {
    if (tries > 500) throw new Error('waited in vain for: ' + script);
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

/**
 * Opens the edition's page with the controls set, the focus in the PIN box.
 * @param {import('./pages.js').Edition} edition
 * @param {string} passes
 * @param {string} text Text1's
 */
async function open(edition, passes, text) {
  await session.go(pageUrl(edition));
  await waitFor("return document.querySelector('#Form1:not([hidden])') !== null;");
  await session.run(`const [passes, keys, text] = arguments;
    document.getElementById('Combo1').value = passes;
    (keys || []).forEach((k, i) => { document.getElementById('Kk' + (i + 1)).value = k; });
    document.getElementById('Text1').value = text;
    document.getElementById('txtKey').focus();`, [passes, edition.keys, text]);
}

/** @param {string} id */
const value = (id) => session.run(`return document.getElementById('${id}').value;`);
const beeps = () => session.run('return VelkDom.beeps;');
/** @param {...string} letters the menu's, after Alt+Shift+E */
const menuKeys = (...letters) => session.keys('Alt+Shift+KeyE', ...letters);
const idle = () => waitFor("return document.querySelector('#Label3:not([hidden])') === null && " +
                           "!document.documentElement.classList.contains('velk-busy');");

// The open message box's title and prompt; closed with Enter.
async function messageBox() {
  await waitFor("return document.querySelector('dialog[open]') !== null;");
  const box = await session.run(`const d = document.querySelector('dialog[open]');
    return [d.querySelector('.velk-title').textContent, d.querySelector('.velk-box-prompt').textContent];`);
  await session.keys('Enter');
  await waitFor("return document.querySelector('dialog[open]') === null;");
  return box;
}

describe('both pages in WebKitGTK', () => {
  for (const edition of EDITIONS) {
    it(`${edition.name}: a round trip by the menu's keys, the cipher velk-encrypt-decrypt's`, async () => {
      await open(edition, '03', PLAIN);
      await session.type('#txtKey', PIN);
      await menuKeys('e', 'Enter');
      await idle();
      const enciphered = cipher(edition, PLAIN, 3, false);
      assert.equal(await value('Text1'), enciphered);
      await menuKeys('d');
      await idle();
      assert.equal(await value('Text1'), PLAIN);
      // Typed with its line breaks, velk-encrypt-decrypt's cipher deciphers too.
      const typed = 'one line\nand the next';
      await session.run("document.getElementById('Text1').value = '';");
      await session.type('#Text1', cipher(edition, typed, 3, false));
      await menuKeys('d');
      await idle();
      assert.equal(await value('Text1'), typed);
    });
  }

  it('takes digits into the PIN box up to eight, refuses the rest with the beep', async () => {
    await open(EDITIONS[0], '01', '');
    await session.type('#txtKey', '12a3 4-56789');
    assert.equal(await value('txtKey'), '12345678');
    assert.equal(await beeps(), 3);
    await session.keys('Backspace', 'ArrowLeft', 'Delete');
    assert.equal(await value('txtKey'), '123456');
    await session.keys('Control+KeyC');
    assert.equal(await beeps(), 4);
  });

  it('refuses a run with the edition\'s title and message, the text left as it was', async () => {
    /** @type {[import('./pages.js').Edition, string, string][]} */
    const cases = [[EDITIONS[0], '', 'Enter Pin'], [EDITIONS[1], '1234567', 'Enter Pin 8 Numbers']];
    for (const [edition, pin, message] of cases) {
      await open(edition, '01', 'unchanged');
      if (pin) await session.type('#txtKey', pin);
      await menuKeys('d');
      assert.deepEqual(await messageBox(), [' ' + edition.caption, message]);
      assert.equal(await value('Text1'), 'unchanged');
    }
  });

  it('lays the window out for fingers in a phone-wide window, and a round trip by clicks', async () => {
    const rect = await session.send('GET', '/window/rect');
    // MiniBrowser's toolbar holds its window to some 450 pixels at least.
    await session.send('POST', '/window/rect', {width: 390, height: 844});
    try {
      for (const edition of EDITIONS) {
        await open(edition, '02', PLAIN);
        const [width, height] = await session.run('return [innerWidth, innerHeight];');
        assertFingerSized(await session.run(MEASURE, [WINDOW_PARTS]), edition, width, height);
        await session.type('#txtKey', PIN);
        await session.click('#EncryptDecrypt');
        await session.click('#EncryptTxt');
        await idle();
        assert.equal(await value('Text1'), cipher(edition, PLAIN, 2, false));
        await session.click('#EncryptDecrypt');
        await session.click('#DecryptTxt');
        await idle();
        assert.equal(await value('Text1'), PLAIN);
      }
    } finally {
      await session.send('POST', '/window/rect', {width: rect.width, height: rect.height});
    }
  });
});
