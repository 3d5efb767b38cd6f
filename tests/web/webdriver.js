// A small W3C WebDriver client over HTTP, enough to drive a page in
// WebKitGTK's MiniBrowser through WebKitWebDriver: sessions, scripts,
// elements, keys. Every command is one fetch() to the driver.
'use strict';

const {spawn} = require('node:child_process');
const net = require('node:net');

// The keys WebDriver names by code points of its own.
/** @type {Record<string, string>} */
const KEYS = {Enter: '\uE007', Backspace: '\uE003', Tab: '\uE004', Escape: '\uE00C',
              Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', ArrowLeft: '\uE012',
              Delete: '\uE017'};

/** @returns {Promise<number>} a port no one listens on */
function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const address = /** @type {net.AddressInfo} */ (server.address());
      server.close(() => resolve(address.port));
    });
  });
}

class Session {
  /**
   * @param {string} base the driver's address
   * @param {string} id the session's id
   * @param {import('node:child_process').ChildProcess} driver
   */
  constructor(base, id, driver) {
    this.base = base;
    this.id = id;
    this.driver = driver;
  }

  /**
   * Starts `driverProgram` on a free port and opens a session in `browser`
   * (WebKitGTK's MiniBrowser, with `args`).
   * @param {string} driverProgram
   * @param {string} browser
   * @param {string[]} args
   */
  static async start(driverProgram, browser, args) {
    const port = await freePort();
    const driver = spawn(driverProgram, ['--port=' + port], {stdio: 'ignore'});
    const base = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; ++tries) {
      try {
        const status = await (await fetch(base + '/status')).json();
        if (status.value.ready) break;
      } catch (e) {
        if (tries > 100) {
          driver.kill();
          throw e;
        }
      }
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    try {
      const created = await command(base, 'POST', '/session', {capabilities: {alwaysMatch: {
        'webkitgtk:browserOptions': {binary: browser, args},
      }}});
      return new Session(base, created.sessionId, driver);
    } catch (e) {
      driver.kill();
      throw e;
    }
  }

  /**
   * @param {string} method
   * @param {string} path under the session's
   * @param {object} [body]
   */
  send(method, path, body) {
    return command(this.base, method, `/session/${this.id}${path}`, body);
  }

  /** @param {string} url */
  go(url) {
    return this.send('POST', '/url', {url});
  }

  /**
   * Runs `script` (a function's body; `arguments` holds `args`) in the page
   * and gives what it returns, awaited where it is a promise.
   * @param {string} script
   * @param {unknown[]} [args]
   */
  run(script, args = []) {
    return this.send('POST', '/execute/sync', {script, args});
  }

  /** @param {string} css @returns {Promise<object>} the element's reference */
  find(css) {
    return this.send('POST', '/element', {using: 'css selector', value: css});
  }

  /** @param {string} css */
  async click(css) {
    const element = await this.find(css);
    await this.send('POST', `/element/${elementId(element)}/click`, {});
  }

  /**
   * Types `text` into the element, where a line break is typed as Enter.
   * @param {string} css
   * @param {string} text
   */
  async type(css, text) {
    const element = await this.find(css);
    await this.send('POST', `/element/${elementId(element)}/value`,
                    {text: text.replace(/\n/g, KEYS.Enter)});
  }

  /**
   * Presses the keys in turn, each as a chord of the keys it names joined by
   * "+" ("Alt+Shift+KeyE" presses Alt, Shift and E and lets them go).
   * @param {...string} chords
   */
  async keys(...chords) {
    /** @type {object[]} */
    const actions = [];
    for (const chord of chords) {
      const keys = chord.split('+').map((k) => KEYS[k] || (k.startsWith('Key') ? k.slice(3).toLowerCase() : k));
      for (const key of keys) actions.push({type: 'keyDown', value: key});
      for (const key of keys.reverse()) actions.push({type: 'keyUp', value: key});
    }
    await this.send('POST', '/actions', {actions: [{type: 'key', id: 'keyboard', actions}]});
    await this.send('DELETE', '/actions');
  }

  async quit() {
    try {
      await this.send('DELETE', '');
    } finally {
      this.driver.kill();
    }
  }
}

/** @param {object} element */
function elementId(element) {
  return /** @type {Record<string, string>} */ (element)['element-6066-11e4-a52e-4f735466cecf'];
}

/**
 * @param {string} base
 * @param {string} method
 * @param {string} path
 * @param {object} [body]
 */
async function command(base, method, path, body) {
  const response = await fetch(base + path, {
    method,
    headers: {'Content-Type': 'application/json'},
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const answer = await response.json();
  if (!response.ok) {
    throw new Error(`WebDriver ${method} ${path}: ${answer.value.error}: ${answer.value.message}`);
  }
  return answer.value;
}

module.exports = {Session};
