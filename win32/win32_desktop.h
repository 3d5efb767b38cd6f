// The desktop of the running program, over Win32.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/port.h"

namespace velk::win32 {

class MainWindow;

class Win32Desktop final : public ui::Desktop {
public:
    // `window`: the one message boxes are modal to, and the busy pointer
    // shows over; none for a desktop without a window.
    explicit Win32Desktop(MainWindow* window);
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    void messageBox(std::u16string_view prompt, ui::MessageStyle style,
                    std::u16string_view title) override;
    void beep() override;
    void setBusyPointer(bool busy) override;
    void processEventsOnce() override;
    // CF_UNICODETEXT, and the formats that keep it out of clipboard history,
    // cloud clipboard and clipboard monitors.
    bool setClipboardText(std::u16string_view text) override;
    void endProgram(int status) override;

private:
    MainWindow* window_;
    HWND owner_;
};

}  // namespace velk::win32
