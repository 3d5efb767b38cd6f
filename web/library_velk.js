// The program's calls into the page: text from and to the wasm memory, then
// the page script's VelkDom (window.js) does the rest. The calls that wait
// for the page sleep through Asyncify.

// Text between the program's memory and the page's strings.
var VelkText = {
  // Unit for unit, lone surrogates and NUL included (a TextDecoder would
  // not keep them).
  /** @param {number} pointer @param {number} length @returns {string} */
  read: function(pointer, length) {
    var units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
    var parts = [];
    for (var i = 0; i < units.length; i += 8192) {
      parts.push(String.fromCharCode.apply(null, Array.from(units.subarray(i, i + 8192))));
    }
    return parts.join('');
  },
  // Calls `use` with a copy of `text` in the wasm memory, overwritten and
  // freed after it.
  /**
   * @template T
   * @param {string} text
   * @param {(pointer: number, length: number) => T} use
   * @returns {T}
   */
  lend: function(text, use) {
    var pointer = _malloc(text.length * 2 + 2);
    for (var i = 0; i < text.length; ++i) HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
    try {
      return use(pointer, text.length);
    } finally {
      HEAPU16.fill(0, pointer >> 1, (pointer >> 1) + text.length);
      _free(pointer);
    }
  },
};

// The one gate into the program. The program is busy while one of its
// entry points runs or sleeps (a run between its passes, a message box, the
// clipboard); meanwhile each entry point gets the answer the desktop
// window gives it then: one that never sleeps is called (the PIN box's
// key checks), a locked box takes no edit, a disabled menu item does
// nothing, and what is left waits its turn. So no call ever takes over
// the promise of the call that sleeps.
/**
 * An entry point: its export, what it gets while the program is busy (a
 * call, a refusal, a turn in the queue), its answer when refused, whether
 * it may sleep, whether its first argument is a menu item, and how its
 * arguments reach the memory.
 * @typedef {{name: string, busy: 'call' | 'refuse' | 'queue', refused?: number,
 *            sleeps?: boolean, item?: boolean,
 *            lend?: (args: Arg[], use: (args: number[]) => number) => number}} Entry
 * @typedef {number | string} Arg
 */
var VelkGate = {
  depth: 0,        // entry points on the stack or asleep
  asleep: false,   // an entry point sleeps; its promise is pending
  /** @type {(() => void)[]} what waits its turn, in order */
  queue: [],
  /** @type {boolean[]} by ui::MenuItem */
  disabled: [],
  ended: false,

  /**
   * Runs `entry` with `args` unless it must wait or is refused.
   * @param {Entry} entry
   * @param {Arg[]} args
   * @returns {number | undefined | Promise<number | undefined>}
   */
  enter: function(entry, args) {
    if (VelkGate.ended) return entry.refused;
    if (entry.item && VelkGate.disabled[Number(args[0])]) return entry.refused;
    if (VelkGate.depth > 0 || VelkGate.asleep) {
      if (entry.busy === 'refuse') return entry.refused;
      if (entry.busy === 'queue') {
        return new Promise(function(resolve) {
          VelkGate.queue.push(function() { resolve(VelkGate.run(entry, args)); });
        });
      }
    }
    return VelkGate.run(entry, args);
  },

  /**
   * @param {Entry} entry
   * @param {Arg[]} args
   * @returns {number | Promise<number>}
   */
  run: function(entry, args) {
    var before = Asyncify.currData;
    /** @param {number[]} numbers */
    var call = function(numbers) { return Module['_' + entry.name].apply(null, numbers); };
    var result;
    ++VelkGate.depth;
    try {
      result = entry.lend ? entry.lend(args, call) : call(/** @type {number[]} */ (args));
    } finally {
      --VelkGate.depth;
    }
    if (!Asyncify.currData || Asyncify.currData === before) {
      VelkGate.next();
      return result;
    }
    if (!entry.sleeps) throw new Error(entry.name + ' slept, which it must not');
    VelkGate.asleep = true;
    var done = Asyncify.whenDone();
    var wake = function() {
      VelkGate.asleep = false;
      VelkGate.next();
    };
    done.then(wake, wake);
    return done;
  },

  // The next of what waits its turn, when the program is free.
  next: function() {
    if (VelkGate.depth > 0 || VelkGate.asleep || VelkGate.queue.length === 0) return;
    if (VelkGate.ended) {
      VelkGate.queue = [];
      return;
    }
    var first = VelkGate.queue.shift();
    if (first) first();
  },
};

// What Emscripten builds into the program's script: VelkText and VelkGate
// by the names it gives them ($), then the calls by the names dom.h
// declares, each with what it needs (__deps).
/** @type {Record<string, object | string[] | ((...args: number[]) => unknown)>} */
var library = {
  $VelkText: VelkText,
  $VelkGate: VelkGate,
  velk_dom_window__deps: ['$VelkText'],
  velk_dom_window: function(caption, captionLength, width, height) {
    VelkDom.window(VelkText.read(caption, captionLength), width, height);
  },
  velk_dom_control__deps: ['$VelkText'],
  velk_dom_control: function(control, kind, name, place, caption, captionLength, tip, tipLength,
                             face, faceLength, points, bold, visible, names, accessibleName,
                             accessibleNameLength, maxLength) {
    VelkDom.control(control, UTF8ToString(kind), UTF8ToString(name),
                    Array.from(HEAP32.subarray(place >> 2, (place >> 2) + 4)),
                    VelkText.read(caption, captionLength), VelkText.read(tip, tipLength),
                    VelkText.read(face, faceLength), points, bold !== 0, visible !== 0,
                    UTF8ToString(names), VelkText.read(accessibleName, accessibleNameLength),
                    maxLength);
  },
  velk_dom_menu__deps: ['$VelkText'],
  velk_dom_menu: function(name, title, titleLength) {
    VelkDom.menu(UTF8ToString(name), VelkText.read(title, titleLength));
  },
  velk_dom_menu_entry__deps: ['$VelkText'],
  velk_dom_menu_entry: function(name, caption, captionLength, item) {
    VelkDom.menuEntry(UTF8ToString(name), VelkText.read(caption, captionLength), item);
  },
  velk_dom_touch_layout: function(targetPixels, textPixels, text1HeightPercent) {
    VelkDom.touchLayout(targetPixels, textPixels, text1HeightPercent);
  },
  velk_dom_show: function() {
    VelkDom.show();
  },

  velk_dom_text__deps: ['malloc'],
  velk_dom_text: function(control, out) {
    var text = VelkDom.text(control);
    var pointer = _malloc(text.length * 2 + 2);
    for (var i = 0; i < text.length; ++i) HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
    HEAP32[out >> 2] = pointer;
    return text.length;
  },
  velk_dom_set_text__deps: ['$VelkText'],
  velk_dom_set_text: function(control, text, length) {
    VelkDom.setText(control, VelkText.read(text, length));
  },
  velk_dom_add_item__deps: ['$VelkText'],
  velk_dom_add_item: function(list, item, length) {
    VelkDom.addItem(list, VelkText.read(item, length));
  },
  velk_dom_show_label: function(label, visible) {
    VelkDom.showLabel(label, visible !== 0);
  },
  velk_dom_enable_item__deps: ['$VelkGate'],
  velk_dom_enable_item: function(item, enabled) {
    VelkGate.disabled[item] = enabled === 0;
    VelkDom.enableItem(item, enabled !== 0);
  },
  velk_dom_set_locked: function(locked) {
    VelkDom.setLocked(locked !== 0);
  },
  velk_dom_geometry: function(out) {
    var g = VelkDom.geometry();
    for (var i = 0; i < 4; ++i) HEAP32[(out >> 2) + i] = g[i];
  },
  velk_dom_set_geometry: function(left, top, width, height) {
    VelkDom.setGeometry([left, top, width, height]);
  },
  velk_dom_screen_width: function() {
    return VelkDom.screenWidth();
  },

  velk_dom_wait_message_box__deps: ['$VelkText'],
  velk_dom_wait_message_box: function(prompt, promptLength, critical, title, titleLength) {
    var promptText = VelkText.read(prompt, promptLength);
    var titleText = VelkText.read(title, titleLength);
    return Asyncify.handleSleep(function(wakeUp) {
      VelkDom.messageBox(promptText, critical !== 0, titleText).then(function() { wakeUp(); });
    });
  },
  velk_dom_beep: function() {
    VelkDom.beep();
  },
  velk_dom_busy: function(busy) {
    VelkDom.busy(busy !== 0);
  },
  velk_dom_wait_events: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      VelkDom.processEvents().then(function() { wakeUp(); });
    });
  },
  velk_dom_wait_clipboard__deps: ['$VelkText'],
  velk_dom_wait_clipboard: function(text, length) {
    var copy = VelkText.read(text, length);
    return Asyncify.handleSleep(function(wakeUp) {
      VelkDom.setClipboard(copy).then(function(done) {
        copy = '';
        wakeUp(done ? 1 : 0);
      });
    });
  },
  velk_dom_end_program__deps: ['$VelkGate'],
  // The exit status has no one to go to in a page.
  velk_dom_end_program: function() {
    VelkGate.ended = true;
    VelkDom.endProgram();
  },

  // The program's entry points (velk_* in program.cpp) as the page calls
  // them: what each answers while the program is busy, its answer when
  // refused, and whether it may sleep (then it gives a promise of its result).
  velk_dom_bind__deps: ['$VelkText', '$VelkGate'],
  velk_dom_bind: function() {
    /**
     * box, ..., inserted: the first and last arguments are texts, the
     * others numbers.
     * @param {Arg[]} args
     * @param {(args: number[]) => number} use
     */
    function lendTexts(args, use) {
      var numbers = /** @type {number[]} */ (args.slice(1, -1));
      return VelkText.lend(String(args[0]), function(b, bl) {
        return VelkText.lend(String(args[args.length - 1]), function(i, il) {
          return use([b, bl].concat(numbers, [i, il]));
        });
      });
    }
    /** @type {Record<string, Entry>} */
    var ENTRIES = {
      menu: {name: 'velk_menu', busy: 'queue', sleeps: true, item: true},
      close: {name: 'velk_close', busy: 'queue', sleeps: true},
      keyPress: {name: 'velk_key_press', busy: 'call', refused: 0},
      copyOrCut: {name: 'velk_copy_or_cut', busy: 'call'},
      pinInsert: {name: 'velk_pin_insert', busy: 'refuse', refused: 0, lend: lendTexts},
      text1Paste: {name: 'velk_text1_paste', busy: 'refuse', refused: 0, sleeps: true,
                   lend: lendTexts},
    };
    /** @type {Record<string, (...args: Arg[]) => unknown>} */
    var entryPoints = {};
    Object.keys(ENTRIES).forEach(function(key) {
      entryPoints[key] = function() {
        return VelkGate.enter(ENTRIES[key], Array.prototype.slice.call(arguments));
      };
    });
    VelkDom.bind(entryPoints);
  },
};

mergeInto(LibraryManager.library, library);
