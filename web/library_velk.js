// The program's calls into the page: text from and to the wasm memory, then
// the page script's VelkDom (window.js) does the rest. The calls that wait
// for the page sleep through Asyncify.
mergeInto(LibraryManager.library, {
  $VelkText: {
    // Unit for unit, lone surrogates and NUL included (a TextDecoder would
    // not keep them).
    read: function(pointer, length) {
      var units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
      var parts = [];
      for (var i = 0; i < units.length; i += 8192) {
        parts.push(String.fromCharCode.apply(null, units.subarray(i, i + 8192)));
      }
      return parts.join('');
    },
    // Calls `use` with a copy of `text` in the wasm memory, overwritten and
    // freed after it.
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
  },

  velk_dom_window__deps: ['$VelkText'],
  velk_dom_window: function(caption, captionLength, width, height) {
    VelkDom.window(VelkText.read(caption, captionLength), width, height);
  },
  velk_dom_control__deps: ['$VelkText'],
  velk_dom_control: function(control, kind, name, place, caption, captionLength, tip, tipLength,
                             face, faceLength, points, bold, visible, names, accessibleName,
                             accessibleNameLength) {
    VelkDom.control(control, kind, UTF8ToString(name),
                    Array.from(HEAP32.subarray(place >> 2, (place >> 2) + 4)),
                    VelkText.read(caption, captionLength), VelkText.read(tip, tipLength),
                    VelkText.read(face, faceLength), points, bold !== 0, visible !== 0,
                    UTF8ToString(names), VelkText.read(accessibleName, accessibleNameLength));
  },
  velk_dom_menu__deps: ['$VelkText'],
  velk_dom_menu: function(name, title, titleLength) {
    VelkDom.menu(UTF8ToString(name), VelkText.read(title, titleLength));
  },
  velk_dom_menu_entry__deps: ['$VelkText'],
  velk_dom_menu_entry: function(name, caption, captionLength, item) {
    VelkDom.menuEntry(UTF8ToString(name), VelkText.read(caption, captionLength), item);
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
  velk_dom_enable_item: function(item, enabled) {
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

  velk_dom_message_box__deps: ['$VelkText'],
  velk_dom_message_box: function(prompt, promptLength, style, title, titleLength) {
    var promptText = VelkText.read(prompt, promptLength);
    var titleText = VelkText.read(title, titleLength);
    return Asyncify.handleSleep(function(wakeUp) {
      VelkDom.messageBox(promptText, style, titleText).then(function() { wakeUp(); });
    });
  },
  velk_dom_beep: function() {
    VelkDom.beep();
  },
  velk_dom_busy: function(busy) {
    VelkDom.busy(busy !== 0);
  },
  velk_dom_process_events: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      VelkDom.processEvents().then(function() { wakeUp(); });
    });
  },
  velk_dom_set_clipboard__deps: ['$VelkText'],
  velk_dom_set_clipboard: function(text, length) {
    var copy = VelkText.read(text, length);
    return Asyncify.handleSleep(function(wakeUp) {
      VelkDom.setClipboard(copy).then(function(done) {
        copy = '';
        wakeUp(done ? 1 : 0);
      });
    });
  },
  velk_dom_end_program: function(status) {
    VelkDom.endProgram(status);
  },

  // The program's entry points for the page. A call that sleeps gives a
  // promise of its result; one that does not gives the result.
  velk_dom_bind__deps: ['$VelkText'],
  velk_dom_bind: function() {
    function call(name, args) {
      var result = Module['_' + name].apply(null, args);
      return Asyncify.currData ? Asyncify.whenDone() : result;
    }
    VelkDom.bind({
      menu: function(item) { return call('velk_menu', [item]); },
      close: function() { return call('velk_close', []); },
      keyPress: function(character) { return call('velk_key_press', [character]); },
      copyOrCut: function() { return call('velk_copy_or_cut', []); },
      pinInsert: function(box, removed, inserted) {
        return VelkText.lend(box, function(b, bl) {
          return VelkText.lend(inserted, function(i, il) {
            return call('velk_pin_insert', [b, bl, removed, i, il]);
          });
        });
      },
      text1Paste: function(box, start, end, inserted) {
        return VelkText.lend(box, function(b, bl) {
          return VelkText.lend(inserted, function(i, il) {
            return call('velk_text1_paste', [b, bl, start, end, i, il]);
          });
        });
      },
    });
  },
});
