// The desktop around the window in the page: message boxes as modal
// dialogs, the beep through Web Audio, the busy pointer, the browser's
// clipboard, and a page that says the program has ended.
#pragma once

#include "ui/port.h"

namespace velk::web {

class WebDesktop final : public ui::Desktop {
public:
    void messageBox(std::u16string_view prompt, ui::MessageStyle style,
                    std::u16string_view title) override;
    void beep() override;
    void setBusyPointer(bool busy) override;
    // Lets the page repaint and take its pending events once.
    void processEventsOnce() override;
    // Writes through the browser's clipboard interface and reads it back
    // where the browser allows it without asking the user; where it does
    // not, a write the browser reports done counts as done.
    bool setClipboardText(std::u16string_view text) override;
    // The window goes and the page says the program has ended once the
    // running handler has returned.
    void endProgram(int status) override;
};

}  // namespace velk::web
