// The desktop of the running program, over Win32; and the text helpers the
// Win32 layer shares.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/port.h"

namespace velk::win32 {

// UTF-16 as Windows spells it: wchar_t is 16 bits wide there.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline wchar_t* AsWide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}
inline const wchar_t* AsWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline std::wstring Wide(std::u16string_view text) {
    return {AsWide(text.data()), text.size()};
}

// The clipboard's CF_UNICODETEXT, or nothing when it holds none.
std::u16string ClipboardText();

// Hands one message to its window: through the dialog manager, which moves
// the focus by Tab and the arrows, when it is for `window`'s controls.
void DispatchWindowMessage(HWND window, MSG& message);

class Win32Desktop final : public ui::Desktop {
public:
    // `owner`: the window message boxes are modal to.
    explicit Win32Desktop(HWND owner) : owner_(owner) {}
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    // True while the busy pointer is on; the window shows it over itself.
    static bool Busy();

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
    HWND owner_;
};

}  // namespace velk::win32
