#include "web/program.h"

#include <cstddef>
#include <string_view>

#include <emscripten/emscripten.h>

#include "web/dom.h"

namespace velk::web {

namespace {

ui::CipherWindow* form = nullptr;

std::u16string_view View(const char16_t* text, int length) {
    return {text, static_cast<std::size_t>(length)};
}

}  // namespace

void Attach(ui::CipherWindow& attached, WebWindow& window) {
    form = &attached;
    velk_dom_bind();
    window.Show();
}

}  // namespace velk::web

// The page's events, through the page's one gate (web/library_velk.js). The
// menu, the close box and a paste into Text1 may wait for the page (a
// message box, a pass's pending events); the PIN box's checks never wait,
// so the gate may call them while another waits.
extern "C" {

EMSCRIPTEN_KEEPALIVE void velk_menu(int item) {
    velk::web::form->Click(static_cast<velk::ui::MenuItem>(item));
}

EMSCRIPTEN_KEEPALIVE void velk_close() {
    velk::web::form->RequestClose();
}

// The character typed into the PIN box, or 0 where it is refused.
EMSCRIPTEN_KEEPALIVE int velk_key_press(int character) {
    auto keyAscii = static_cast<char16_t>(character);
    velk::web::form->txtKey_KeyPress(keyAscii);
    return keyAscii;
}

EMSCRIPTEN_KEEPALIVE void velk_copy_or_cut() {
    velk::web::form->txtKey_CopyOrCut();
}

// 1 when the PIN box takes `inserted` in place of `removed` units of `box`.
EMSCRIPTEN_KEEPALIVE int velk_pin_insert(const char16_t* box, int boxLength, int removed,
                                         const char16_t* inserted, int insertedLength) {
    using velk::web::View;
    return velk::web::form->txtKey_Insert(View(box, boxLength), static_cast<std::size_t>(removed),
                                          View(inserted, insertedLength))
               ? 1
               : 0;
}

// 1 when Text1, holding `box`, takes `inserted` in place of its selection
// from `start` to `end`.
EMSCRIPTEN_KEEPALIVE int velk_text1_paste(const char16_t* box, int boxLength, int start, int end,
                                          const char16_t* inserted, int insertedLength) {
    using velk::web::View;
    return velk::web::form->Text1_Paste(View(box, boxLength), static_cast<std::size_t>(start),
                                        static_cast<std::size_t>(end),
                                        View(inserted, insertedLength))
               ? 1
               : 0;
}
}
