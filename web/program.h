// What both pages' main() does: one window of an edition in the page, its
// handlers reachable from the page's events.
#pragma once

#include "platform/process_guard.h"
#include "ui/cipher_window.h"
#include "web/web_desktop.h"
#include "web/web_window.h"

namespace velk::web {

// Routes the page's events to `attached`'s handlers (the entry points in
// program.cpp) and shows `window`.
void Attach(ui::CipherWindow& attached, WebWindow& window);

// Builds the window and its handlers, which live as long as the page: main()
// returns and the page's events drive them from then on.
template <class Form>
int StartProgram(const ui::Edition& edition) {
    DisableCoreDumps();
    static WebDesktop desktop;
    static WebWindow window(edition);
    static Form form(window, desktop);
    Attach(form, window);
    return 0;
}

}  // namespace velk::web
