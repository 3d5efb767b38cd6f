// The page's side of the windowing layer: the window, its controls, menu,
// message boxes, beep, pointer, clipboard and end, over the DOM. The
// program (WebAssembly) builds and drives it through VelkDom; the page's
// events reach the program's handlers through the entry points it binds.
// Nothing here stores, sends or loads anything.
'use strict';

/* exported VelkDom */
var VelkDom = (function () {
  var MIN_WIDTH = 112;  // the smallest frame the slide shrinks to
  var MIN_HEIGHT = 27;
  var PIN_BOX = 0;  // ui::Control

  /**
   * A menu entry; an item has its access key and its ui::MenuItem.
   * @typedef {HTMLElement & {velkKey?: string, velkItem?: number}} Entry
   * @typedef {HTMLInputElement | HTMLTextAreaElement} Box
   */

  /** @type {Record<string, (...args: (number | string)[]) => unknown>} */
  var program = {};       // the program's entry points
  var caption = '';
  /** @type {HTMLElement} */
  var frame;
  /** @type {HTMLElement} */
  var client;
  /** @type {HTMLButtonElement} */
  var menuTitle;
  /** @type {HTMLElement} */
  var menu;
  /** @type {HTMLElement[]} by ui::Control */
  var controls = [];
  /** @type {Entry[]} separators included */
  var entries = [];
  /** @type {Entry[]} by ui::MenuItem */
  var items = [];
  var geometry = [0, 0, 0, 0];
  var fullWidth = 0;      // the frame's as the stylesheet lays it out for the desktop
  var fullHeight = 0;
  var touchLayout = false;  // laid out for fingers (velk-touch on the page)
  var moved = false;      // the program has placed the window itself
  /** @type {Element | null} */
  var focusBeforeLock = null;
  var ended = false;
  /** @type {AudioContext | null} */
  var audio = null;
  /** @type {MessageChannel | null} the page's messages to itself */
  var channel = null;
  /** @type {(() => void)[]} what waits for each */
  var wakeUps = [];
  var pinKept = '';       // the PIN box's last text that held to its rules
  var keyTyped = false;   // the PIN box's coming insertText comes from a checked key

  /**
   * @param {string} tag
   * @param {string | null} [className]
   * @param {Node} [parent]
   * @returns {HTMLElement}
   */
  function element(tag, className, parent) {
    var e = document.createElement(tag);
    if (className) e.className = className;
    if (parent) parent.appendChild(e);
    return e;
  }

  // A caption with its access key ("&Exit") as text with the letter
  // underlined; returns the letter, lower case.
  /** @param {HTMLElement} e @param {string} text */
  function setCaption(e, text) {
    var at = text.indexOf('&');
    e.textContent = '';
    if (at < 0 || at + 1 >= text.length) {
      e.textContent = text;
      return '';
    }
    e.appendChild(document.createTextNode(text.slice(0, at)));
    element('u', null, e).textContent = text.charAt(at + 1);
    e.appendChild(document.createTextNode(text.slice(at + 2)));
    return text.charAt(at + 1).toLowerCase();
  }

  // The page's element that the window lives in.
  function desktop() {
    return /** @type {HTMLElement} */ (document.getElementById('velk-desktop'));
  }

  /** @param {string} face */
  function fontFamily(face) {
    return face === 'Courier New' ? '"Velk Mono", monospace' : '"Velk Sans", sans-serif';
  }

  // --- building -----------------------------------------------------------

  /** @param {string} title @param {number} width @param {number} height */
  function buildWindow(title, width, height) {
    caption = title;
    document.title = title;
    frame = element('div', 'velk-window', desktop());
    frame.id = 'Form1';
    frame.setAttribute('role', 'application');
    frame.setAttribute('aria-label', title);
    frame.hidden = true;
    var bar = element('div', 'velk-title', frame);
    var icon = document.getElementById('velk-icon');
    if (icon instanceof HTMLTemplateElement) bar.appendChild(icon.content.cloneNode(true));
    element('span', 'velk-caption', bar).textContent = title;
    var close = /** @type {HTMLButtonElement} */ (element('button', 'velk-close', bar));
    close.type = 'button';
    close.tabIndex = -1;
    close.title = 'Close';
    close.setAttribute('aria-label', 'Close');
    close.textContent = '\u00d7';
    close.addEventListener('click', function () {
      program.close();
    });
    var menuBar = element('div', 'velk-menubar', frame);
    menuBar.setAttribute('role', 'menubar');
    menuTitle = /** @type {HTMLButtonElement} */ (element('button', 'velk-menutitle', menuBar));
    menuTitle.type = 'button';
    menuTitle.tabIndex = -1;
    menuTitle.setAttribute('role', 'menuitem');
    menuTitle.setAttribute('aria-haspopup', 'menu');
    menuTitle.setAttribute('aria-expanded', 'false');
    menu = element('div', 'velk-menu', menuBar);
    menu.setAttribute('role', 'menu');
    menu.tabIndex = -1;
    menu.hidden = true;
    client = element('div', 'velk-client', frame);
    client.addEventListener('focusin', function (e) {
      focusBeforeMenu = /** @type {HTMLElement} */ (e.target);
      keepInView(focusBeforeMenu);
    });
    client.style.setProperty('--client-width', width + 'px');
    client.style.setProperty('--client-height', height + 'px');
  }

  // A text box that the browser neither completes, corrects nor checks.
  /** @param {'input' | 'textarea'} tag @param {string} className @returns {Box} */
  function plainBox(tag, className) {
    var e = /** @type {Box} */ (element(tag, className));
    e.autocomplete = 'off';
    e.spellcheck = false;
    e.setAttribute('autocorrect', 'off');
    e.setAttribute('autocapitalize', 'off');
    return e;
  }

  // A label that names an input is the input's <label>; an input that no
  // label names carries its own accessible name.
  /**
   * @param {number} id @param {string} kind @param {string} name
   * @param {number[]} place @param {string} text @param {string} tip
   * @param {string} face @param {number} points @param {boolean} bold
   * @param {boolean} visible @param {string} names @param {string} accessibleName
   * @param {number} maxLength
   */
  function buildControl(id, kind, name, place, text, tip, face, points, bold, visible, names,
                        accessibleName, maxLength) {
    /** @type {HTMLElement} */
    var e;
    switch (kind) {
      case 'pin':
        var pin = /** @type {HTMLInputElement} */ (plainBox('input', 'velk-pin'));
        pin.type = 'text';
        pin.maxLength = maxLength;
        pin.inputMode = 'numeric';
        pin.setAttribute('data-lpignore', 'true');  // no password manager's offer
        guardPinBox(pin);
        e = pin;
        break;
      case 'text':
        var text1 = /** @type {HTMLTextAreaElement} */ (plainBox('textarea', 'velk-text'));
        text1.wrap = 'off';
        guardText1(text1);
        e = text1;
        break;
      case 'list':
        e = element('select', 'velk-list');
        break;
      default:
        e = element(names ? 'label' : 'div', 'velk-label');
        if (e instanceof HTMLLabelElement) e.htmlFor = names;
        e.textContent = text;
    }
    e.id = name;
    // The desktop's place and font, which the layout for fingers overrides.
    ['--left', '--top', '--width', '--height'].forEach(function (property, i) {
      e.style.setProperty(property, place[i] + 'px');
    });
    if (tip) e.title = tip;
    if (face) {
      e.style.setProperty('--face', fontFamily(face));
      e.style.setProperty('--points', points + 'pt');
      e.style.setProperty('--weight', bold ? 'bold' : 'normal');
    }
    e.hidden = !visible;
    if (accessibleName) e.setAttribute('aria-label', accessibleName);
    client.appendChild(e);
    controls[id] = e;
  }

  /** @param {string} name @param {string} title */
  function buildMenu(name, title) {
    menuTitle.id = name;
    menuTitle.accessKey = setCaption(menuTitle, title);
    // The access key clicks the title too, before or after its key reaches
    // onKeyDown (WebKit before): a click that no pointer made opens the
    // menu, never closes it, and the key that made it does nothing more.
    menuTitle.addEventListener('click', function (e) {
      if (menu.hidden) {
        openMenu();
        openedByAccessKey = e.detail === 0;
      } else if (e.detail > 0) {
        closeMenu(true);
      }
    });
  }

  /** @param {string} name @param {string} text @param {number} item */
  function buildMenuEntry(name, text, item) {
    /** @type {Entry} */
    var e;
    if (item < 0) {
      e = element('div', 'velk-separator', menu);
      e.setAttribute('role', 'separator');
    } else {
      e = element('div', 'velk-item', menu);
      e.setAttribute('role', 'menuitem');
      e.tabIndex = -1;
      e.velkKey = setCaption(e, text);
      e.velkItem = item;
      e.addEventListener('click', function () { choose(e); });
      e.addEventListener('mousemove', function () { if (!isDisabled(e)) e.focus(); });
      items[item] = e;
    }
    e.id = name;
    entries.push(e);
  }

  // --- the menu -------------------------------------------------------------

  /** @type {HTMLElement | null} the control that last had the focus */
  var focusBeforeMenu = null;
  var openedByAccessKey = false;

  /** @param {Element} e */
  function isDisabled(e) {
    return e.getAttribute('aria-disabled') === 'true';
  }

  function enabledItems() {
    return entries.filter(function (e) { return e.velkKey !== undefined && !isDisabled(e); });
  }

  function openMenu() {
    if (!menu.hidden || frame.hidden) return;
    menu.hidden = false;
    menuTitle.classList.add('velk-open');
    menuTitle.setAttribute('aria-expanded', 'true');
    menu.focus();  // no item highlighted: a letter or an arrow picks one
  }

  /** @param {boolean} restoreFocus */
  function closeMenu(restoreFocus) {
    if (menu.hidden) return;
    menu.hidden = true;
    menuTitle.classList.remove('velk-open');
    menuTitle.setAttribute('aria-expanded', 'false');
    if (restoreFocus && focusBeforeMenu) focusBeforeMenu.focus();
  }

  /** @param {Entry} e */
  function choose(e) {
    if (isDisabled(e)) return;
    closeMenu(true);
    program.menu(Number(e.velkItem));
  }

  /** @param {number} step */
  function moveInMenu(step) {
    var list = enabledItems();
    if (list.length === 0) return;
    var at = list.indexOf(/** @type {Entry} */ (document.activeElement));
    if (at < 0) at = step > 0 ? -1 : list.length;
    list[(at + step + list.length) % list.length].focus();
  }

  // A letter in the open menu: the one item with that access key is
  // chosen; where several share it the highlight goes to the next of them.
  /** @param {string} letter */
  function menuLetter(letter) {
    var list = enabledItems().filter(function (e) { return e.velkKey === letter; });
    if (list.length === 1) {
      choose(list[0]);
    } else if (list.length > 1) {
      var at = list.indexOf(/** @type {Entry} */ (document.activeElement));
      list[(at + 1) % list.length].focus();
    }
  }

  // Alt+Shift+E opens the menu in every browser (Firefox gives the page's
  // access keys Alt+Shift); Alt+E and F10 too, where the browser leaves
  // them to the page.
  /** @param {KeyboardEvent} e */
  function onKeyDown(e) {
    if (ended || frame.hidden || document.querySelector('dialog[open]')) return;
    var menuKey = e.altKey && !e.ctrlKey && !e.metaKey && e.code === 'Key' + menuTitle.accessKey.toUpperCase();
    var accessKeyDone = openedByAccessKey && menuKey;
    if (!/^(Alt|Shift|Control|Meta)$/.test(e.key)) openedByAccessKey = false;
    if (accessKeyDone) {
      e.preventDefault();
      return;
    }
    if (menu.hidden) {
      if (menuKey || (e.key === 'F10' && !e.altKey && !e.ctrlKey && !e.shiftKey)) {
        e.preventDefault();
        e.stopPropagation();
        openMenu();
      }
      return;
    }
    e.preventDefault();
    e.stopPropagation();
    if (e.key === 'ArrowDown') moveInMenu(1);
    else if (e.key === 'ArrowUp') moveInMenu(-1);
    else if (e.key === 'Enter' || e.key === ' ') {
      var active = /** @type {Entry} */ (document.activeElement);
      if (entries.indexOf(active) >= 0) choose(active);
    } else if (e.key === 'Escape' || e.key === 'F10' || e.key === 'Alt' || menuKey) closeMenu(true);
    else if (e.key === 'Tab') closeMenu(true);
    else if (e.key.length === 1) menuLetter(e.key.toLowerCase());
  }

  /** @param {PointerEvent} e */
  function onPointerDown(e) {
    var target = /** @type {Node} */ (e.target);
    if (!menu.hidden && !menu.contains(target) && !menuTitle.contains(target)) {
      closeMenu(false);
    }
  }

  // --- the PIN box ----------------------------------------------------------

  // The character a key types into a box, or null for a key that types none
  // (arrows, Delete, Home, function keys) or that the browser keeps
  // (Alt and Meta combinations); a control key types its control character.
  /** @param {KeyboardEvent} e @returns {number | null} */
  function typedCharacter(e) {
    if (e.altKey || e.metaKey) return null;
    if (e.ctrlKey) {
      var code = e.key.length === 1 ? e.key.toUpperCase().charCodeAt(0) : 0;
      return code >= 64 && code <= 95 ? code - 64 : null;
    }
    if (e.key.length === 1 || (e.key.length === 2 && Number(e.key.codePointAt(0)) > 0xffff)) {
      return e.key.charCodeAt(0);
    }
    /** @type {Record<string, number>} */
    var keys = {Enter: 13, Backspace: 8, Tab: 9, Escape: 27};
    var named = keys[e.key];
    return named === undefined ? null : named;
  }

  /** @param {KeyboardEvent} e */
  function isCopyOrCut(e) {
    var control = e.ctrlKey || e.metaKey;
    return (control && !e.altKey && (e.code === 'KeyC' || e.code === 'KeyX' || e.key === 'Insert')) ||
           (e.shiftKey && !control && e.key === 'Delete');
  }

  /** @param {KeyboardEvent} e */
  function isPaste(e) {
    return ((e.ctrlKey || e.metaKey) && !e.altKey && e.code === 'KeyV') ||
           (e.shiftKey && !e.ctrlKey && e.key === 'Insert');
  }

  /** @param {HTMLInputElement} box @param {string} inserted */
  function pinInserts(box, inserted) {
    var removed = (box.selectionEnd || 0) - (box.selectionStart || 0);
    return program.pinInsert(box.value, removed, inserted) !== 0;
  }

  /** @param {HTMLInputElement} box */
  function guardPinBox(box) {
    box.addEventListener('keydown', function (e) {
      keyTyped = false;
      if (e.isComposing || e.keyCode === 229 || isCopyOrCut(e) || isPaste(e)) return;
      var character = typedCharacter(e);
      if (character === null) return;
      if (program.keyPress(character) === 0) {
        e.preventDefault();
      } else {
        keyTyped = true;
      }
    });
    // Copying or cutting out of the box, by keys, menu or dragging: one
    // refusal for each. WebKitGTK 2.54 fires copy twice for one Ctrl+C, the
    // second some 50 to 80 ms after the first, with no key or press between.
    var refusedAt = -Infinity;
    var pressed = function () { refusedAt = -Infinity; };
    box.addEventListener('keydown', pressed, true);
    box.addEventListener('pointerdown', pressed, true);
    /** @param {Event} e */
    var refuse = function (e) {
      e.preventDefault();
      if (e.timeStamp - refusedAt < 250) return;
      refusedAt = e.timeStamp;
      program.copyOrCut();
    };
    box.addEventListener('copy', refuse);
    box.addEventListener('cut', refuse);
    box.addEventListener('dragstart', refuse);
    box.addEventListener('paste', function (e) {
      var text = e.clipboardData ? e.clipboardData.getData('text/plain') : '';
      if (!pinInserts(box, text)) e.preventDefault();
    });
    box.addEventListener('drop', function (e) {
      var text = e.dataTransfer ? e.dataTransfer.getData('text/plain') : '';
      if (!pinInserts(box, text)) e.preventDefault();
    });
    // Text that comes any other way: a phone's keyboard, an input method,
    // a correction.
    box.addEventListener('beforeinput', function (e) {
      var typed = keyTyped;
      keyTyped = false;
      if (e.inputType.indexOf('insert') !== 0 || e.data === null) return;
      if (e.inputType === 'insertText' && typed) return;
      if (e.inputType === 'insertCompositionText') return;  // cannot be refused: see input
      if (!pinInserts(box, e.data)) e.preventDefault();
    });
    // The last word, for any way in that the checks above do not see.
    box.addEventListener('input', function () {
      if (box.value === '' || program.pinInsert('', 0, box.value) !== 0) pinKept = box.value;
      else box.value = pinKept;
    });
  }

  // --- Text1 ---------------------------------------------------------------

  // Takes a paste or a drop only when the program agrees to the length the
  // box would have after it.
  /** @param {HTMLTextAreaElement} box */
  function guardText1(box) {
    /** @param {Event} e @param {string} text */
    function check(e, text) {
      var start = box.selectionStart, end = box.selectionEnd;
      var result = program.text1Paste(box.value, start, end, text);
      if (result === 1) return;
      e.preventDefault();
      if (result instanceof Promise) {
        result.then(function (taken) {  // after the refusal's message box
          if (taken === 1) box.setRangeText(lineFeeds(text), start, end, 'end');
        });
      }
    }
    box.addEventListener('paste', function (e) {
      check(e, e.clipboardData ? e.clipboardData.getData('text/plain') : '');
    });
    box.addEventListener('drop', function (e) {
      check(e, e.dataTransfer ? e.dataTransfer.getData('text/plain') : '');
    });
  }

  // The longest text that replaces a box's text as an edit its undo takes
  // back: the browsers take about a second to insert 32,000 units that way,
  // so a longer text is set outright, and the browser's undo forgets the box's
  // history.
  var UNDOABLE_LENGTH = 4096;

  // Replaces a box's text, as one step its undo takes back where it can.
  /** @param {HTMLTextAreaElement} box @param {string} text */
  function replaceBoxText(box, text) {
    var focused = document.activeElement;
    var done = false;
    if (text.length <= UNDOABLE_LENGTH) {
      box.focus();
      box.select();
      done = text.length > 0 ? document.execCommand('insertText', false, text)
                             : document.execCommand('delete', false);
    }
    if (!done || box.value !== text) box.value = text;
    box.setSelectionRange(0, 0);
    box.scrollTop = 0;
    box.scrollLeft = 0;
    if (focused instanceof HTMLElement && focused !== box && focused !== document.body) focused.focus();
  }

  // A text with each line break as the page's boxes keep it: LF.
  /** @param {string} text */
  function lineFeeds(text) {
    return text.replace(/\r\n?/g, '\n');
  }

  /** @param {Element} e @returns {e is Box | HTMLSelectElement} a box or a list */
  function isValued(e) {
    return e instanceof HTMLInputElement || e instanceof HTMLTextAreaElement ||
           e instanceof HTMLSelectElement;
  }

  // --- place and size ---------------------------------------------------------

  function viewportWidth() {
    return document.documentElement.clientWidth;
  }

  function viewportHeight() {
    return window.innerHeight || document.documentElement.clientHeight;
  }

  // The part of the page that shows, [left, top, width, height]: above a
  // phone's on-screen keyboard, which shrinks the visual viewport alone.
  // Zoomed in, the user pans over the whole page.
  function visibleArea() {
    var view = window.visualViewport;
    var area = [0, 0, viewportWidth(), viewportHeight()];
    if (view && Math.abs(view.scale - 1) < 0.01) {
      area[1] = Math.max(0, Math.round(view.offsetTop));
      area[3] = Math.min(area[3], Math.round(view.height));
    }
    return area;
  }

  // Fingers get the layout for them on a touch screen and on a screen
  // narrower than the desktop's window; the desktop keeps its window,
  // centred. Once the window moves (the closing slide) its layout stays.
  function fitToViewport() {
    if (ended || !frame || frame.hidden || moved) return;
    touchLayout = viewportWidth() < fullWidth || window.matchMedia('(pointer: coarse)').matches;
    document.documentElement.classList.toggle('velk-touch', touchLayout);
    if (touchLayout) {
      geometry = visibleArea();
      // Above the keyboard Text1 shrinks to the room, which then holds it whole.
      document.documentElement.classList.toggle('velk-keyboard', geometry[3] < viewportHeight());
    } else {
      geometry = [Math.max(0, Math.round((viewportWidth() - fullWidth) / 2)),
                  Math.max(0, Math.round((viewportHeight() - fullHeight) / 2)),
                  fullWidth, fullHeight];
    }
    place();
    if (document.activeElement) keepInView(document.activeElement);
  }

  // Scrolls the client area, laid out for fingers, until `e` shows in it;
  // its top, where it is taller than the room.
  /** @param {Element} e */
  function keepInView(e) {
    if (!touchLayout || !client.contains(e) || e === client) return;
    var box = e.getBoundingClientRect();
    var room = client.getBoundingClientRect();
    if (box.bottom > room.bottom) client.scrollTop += Math.min(box.bottom - room.bottom, box.top - room.top);
    if (box.top < room.top) client.scrollTop -= room.top - box.top;
  }

  function place() {
    frame.style.left = geometry[0] + 'px';
    frame.style.top = geometry[1] + 'px';
    frame.style.width = geometry[2] + 'px';
    frame.style.height = geometry[3] + 'px';
  }

  // --- the end ----------------------------------------------------------------

  function finish() {
    ended = true;
    controls.forEach(function (e) {
      if (e instanceof HTMLInputElement || e instanceof HTMLTextAreaElement) e.value = '';
    });
    pinKept = '';
    document.documentElement.classList.remove('velk-busy');
    desktop().textContent = '';
    var note = element('main', 'velk-ended', desktop());
    element('h1', null, note).textContent = caption;
    element('p', null, note).textContent = 'The program has ended.';
    element('p', null, note).textContent = 'Open the page again to start it again.';
    document.title = caption + ' (ended)';
  }

  // --- what the program calls ------------------------------------------------

  return {
    beeps: 0,  // how many times the page has beeped

    /** @param {Record<string, (...args: (number | string)[]) => unknown>} entryPoints */
    bind: function (entryPoints) {
      program = entryPoints;
      document.addEventListener('keydown', onKeyDown, true);
      document.addEventListener('pointerdown', onPointerDown, true);
      window.addEventListener('resize', fitToViewport);
      if (window.visualViewport) {
        window.visualViewport.addEventListener('resize', fitToViewport);
        window.visualViewport.addEventListener('scroll', fitToViewport);
      }
    },

    /** @param {number} target @param {number} text @param {number} text1Percent */
    touchLayout: function (target, text, text1Percent) {
      var root = document.documentElement.style;
      root.setProperty('--velk-target', target + 'px');
      root.setProperty('--velk-text', text + 'px');
      root.setProperty('--velk-text1-height', text1Percent + 'vh');
    },

    window: buildWindow,
    control: buildControl,
    menu: buildMenu,
    menuEntry: buildMenuEntry,

    show: function () {
      frame.hidden = false;
      // The frame as the stylesheet lays it out around the client area.
      fullWidth = frame.offsetWidth;
      fullHeight = frame.offsetHeight;
      fitToViewport();
      controls[PIN_BOX].focus();
      if (window.performance && performance.mark) performance.mark('velk-window-shown');
    },

    /** @param {number} id @returns {string} */
    text: function (id) {
      var e = controls[id];
      if (!e) return '';
      return isValued(e) ? e.value : e.textContent || '';
    },

    /** @param {number} id @param {string} text */
    setText: function (id, text) {
      var e = controls[id];
      if (e instanceof HTMLTextAreaElement) replaceBoxText(e, lineFeeds(text));
      else if (isValued(e)) e.value = text;
      else if (e.textContent !== text) e.textContent = text;  // the status line, again each pass
      if (id === PIN_BOX && isValued(e)) pinKept = e.value;
    },

    /** @param {number} id @param {string} item */
    addItem: function (id, item) {
      var option = document.createElement('option');
      option.value = item;
      option.textContent = item;
      controls[id].appendChild(option);
    },

    /** @param {number} id @param {boolean} visible */
    showLabel: function (id, visible) {
      controls[id].hidden = !visible;
    },

    /** @param {number} item @param {boolean} enabled */
    enableItem: function (item, enabled) {
      items[item].setAttribute('aria-disabled', enabled ? 'false' : 'true');
    },

    /** @param {boolean} locked */
    setLocked: function (locked) {
      if (locked) focusBeforeLock = document.activeElement;
      controls.forEach(function (e) {
        if (e instanceof HTMLSelectElement) e.disabled = locked;
        else if (e instanceof HTMLInputElement || e instanceof HTMLTextAreaElement) e.readOnly = locked;
      });
      if (!locked && focusBeforeLock instanceof HTMLElement && focusBeforeLock !== document.body) {
        focusBeforeLock.focus();
      }
    },

    geometry: function () {
      return geometry.slice();
    },

    /** @param {number[]} g */
    setGeometry: function (g) {
      if (touchLayout && !moved) {
        // The controls stay where they are while the frame shrinks around them.
        client.style.flex = 'none';
        client.style.width = client.offsetWidth + 'px';
        client.style.height = client.offsetHeight + 'px';
      }
      moved = true;
      geometry = [g[0], g[1], Math.max(MIN_WIDTH, g[2]), Math.max(MIN_HEIGHT, g[3])];
      place();
    },

    screenWidth: function () {
      return viewportWidth();
    },

    // A modal dialog with the title, the style's icon, the prompt and OK;
    // resolves when it is closed (OK, Enter, Space or Escape).
    /**
     * @param {string} prompt @param {boolean} critical @param {string} title
     * @returns {Promise<void>}
     */
    messageBox: function (prompt, critical, title) {
      return new Promise(function (resolve) {
        var box = /** @type {HTMLDialogElement} */ (element('dialog', 'velk-box', document.body));
        box.setAttribute('aria-labelledby', 'velk-box-title');
        box.setAttribute('aria-describedby', 'velk-box-prompt');
        var bar = element('div', 'velk-title', box);
        var heading = element('span', 'velk-caption', bar);
        heading.id = 'velk-box-title';
        heading.textContent = title;
        var body = element('div', 'velk-box-body', box);
        var icon = element('div', critical ? 'velk-icon-critical' : 'velk-icon-information', body);
        icon.setAttribute('role', 'img');
        icon.setAttribute('aria-label', critical ? 'Error' : 'Information');
        icon.textContent = critical ? '\u00d7' : 'i';
        var text = element('div', 'velk-box-prompt', body);
        text.id = 'velk-box-prompt';
        text.textContent = lineFeeds(prompt);
        var ok = /** @type {HTMLButtonElement} */ (element('button', 'velk-ok', box));
        ok.type = 'button';
        ok.textContent = 'OK';
        var focused = document.activeElement;
        var close = function () {
          box.close();
          box.remove();
          if (focused instanceof HTMLElement && focused !== document.body && !ended) focused.focus();
          resolve();
        };
        ok.addEventListener('click', close);
        box.addEventListener('cancel', function (e) {
          e.preventDefault();
          close();
        });
        box.showModal();
        ok.focus();
      });
    },

    beep: function () {
      this.beeps++;
      try {
        var Context = window.AudioContext ||
            /** @type {{webkitAudioContext?: typeof AudioContext}} */ (window).webkitAudioContext;
        if (!Context) return;
        if (!audio) audio = new Context();
        var tone = audio.createOscillator();
        var gain = audio.createGain();
        tone.type = 'square';
        tone.frequency.value = 800;
        gain.gain.value = 0.05;
        tone.connect(gain);
        gain.connect(audio.destination);
        tone.start(audio.currentTime);
        tone.stop(audio.currentTime + 0.12);
      } catch (e) {
        // No sound where the browser gives none.
      }
    },

    /** @param {boolean} on */
    busy: function (on) {
      document.documentElement.classList.toggle('velk-busy', on);
    },

    // One round of the page's own work: what is pending (events, a repaint
    // that is due) is handled before the promise resolves. scheduler.yield()
    // where the browser has it, else a message to the page itself: neither
    // waits as long as a timer, which the browser holds back to some
    // milliseconds when it is set again and again.
    /** @returns {Promise<void>} */
    processEvents: function () {
      var scheduler = /** @type {{scheduler?: {yield?: () => Promise<void>}}} */ (window).scheduler;
      if (scheduler && typeof scheduler.yield === 'function') return scheduler.yield();
      if (!channel) {
        channel = new MessageChannel();
        channel.port1.onmessage = function () {
          var wakeUp = wakeUps.shift();
          if (wakeUp) wakeUp();
        };
      }
      var port = channel.port2;
      return new Promise(function (resolve) {
        wakeUps.push(resolve);
        port.postMessage(null);
      });
    },

    // True when the clipboard holds `text`: read back where the page may
    // read the clipboard without asking the user; elsewhere a write that
    // the browser reports done.
    /** @param {string} text @returns {Promise<boolean>} */
    setClipboard: function (text) {
      /** @param {string} read */
      var same = function (read) {
        return lineFeeds(read) === lineFeeds(text);
      };
      var readBack = function () {
        if (!navigator.permissions || !navigator.clipboard.readText) return true;
        var name = /** @type {PermissionName} */ ('clipboard-read');
        return navigator.permissions.query({name: name}).then(function (status) {
          if (status.state !== 'granted') return true;
          return navigator.clipboard.readText().then(same, function () { return false; });
        }, function () { return true; });
      };
      if (navigator.clipboard && navigator.clipboard.writeText) {
        return navigator.clipboard.writeText(text).then(readBack, function () {
          return copyBySelection(text);
        });
      }
      return Promise.resolve(copyBySelection(text));
    },

    endProgram: function () {
      ended = true;
      closeMenu(false);
      setTimeout(finish, 0);
    },
  };

  // Where the page has no clipboard interface (a plain-http server): the
  // browser's copy of a selection, which cannot be read back.
  /** @param {string} text */
  function copyBySelection(text) {
    var box = /** @type {HTMLTextAreaElement} */ (element('textarea', 'velk-offscreen', document.body));
    box.value = text;
    box.select();
    var done = false;
    try {
      done = document.execCommand('copy');
    } catch (e) {
      done = false;
    }
    box.value = '';
    box.remove();
    return done;
  }
})();

// The embedded faces (VelkFonts, put in by the page's build) from the page's
// own bytes: nothing is loaded from anywhere.
(function (fonts) {
  if (typeof FontFace !== 'function' || !document.fonts || !fonts) return;
  fonts.forEach(function (font) {
    var binary = atob(font.data);
    var bytes = new Uint8Array(binary.length);
    for (var i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    var face = new FontFace(font.family, bytes, {weight: font.weight});
    document.fonts.add(face);
    face.load().catch(function () {});
  });
})(typeof VelkFonts === 'undefined' ? null : VelkFonts);

// A browser that lacks what the page needs says so in the page, and the
// program does not start, instead of leaving an empty window: WebAssembly
// that the page's policy lets it compile ('wasm-unsafe-eval': Chrome 97,
// Firefox 102, Safari 16) and modal dialogs (older still).
(function () {
  var fits = typeof WebAssembly === 'object' && typeof HTMLDialogElement === 'function';
  try {
    if (fits) new WebAssembly.Module(new Uint8Array([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]));
  } catch (e) {
    fits = false;
  }
  if (fits) return;
  var desktop = /** @type {HTMLElement} */ (document.getElementById('velk-desktop'));
  desktop.textContent = '';
  var note = document.createElement('main');
  note.className = 'velk-ended';
  note.setAttribute('role', 'alert');
  var heading = document.createElement('h1');
  heading.textContent = document.title;
  var text = document.createElement('p');
  text.textContent = 'This browser cannot run ' + document.title + '. It needs Chrome or ' +
      'Edge 97, Firefox 102, or Safari 16 (on macOS, iOS and iPadOS) or later.';
  note.appendChild(heading);
  note.appendChild(text);
  desktop.appendChild(note);
  throw new Error('the browser lacks what ' + document.title + ' needs');
})();
