#include "web/web_desktop.h"

#include "web/dom.h"
#include "web/web_window.h"

namespace velk::web {

void WebDesktop::messageBox(std::u16string_view prompt, ui::MessageStyle style,
                            std::u16string_view title) {
    velk_dom_wait_message_box(prompt.data(), Length(prompt),
                              style == ui::MessageStyle::Critical ? 1 : 0, title.data(),
                              Length(title));
}

void WebDesktop::beep() {
    velk_dom_beep();
}

void WebDesktop::setBusyPointer(bool busy) {
    velk_dom_busy(busy ? 1 : 0);
}

void WebDesktop::processEventsOnce() {
    velk_dom_wait_events();
}

bool WebDesktop::setClipboardText(std::u16string_view text) {
    return velk_dom_wait_clipboard(text.data(), Length(text)) != 0;
}

void WebDesktop::endProgram(int status) {
    velk_dom_end_program(status);
}

}  // namespace velk::web
