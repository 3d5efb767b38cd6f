// The Win32 layer's text and clipboard helpers.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

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

// The text of a window, read into a string of its own.
std::u16string WindowText(HWND hwnd);

// Opens the clipboard for `owner`. Another program may hold it for a
// moment: a clipboard manager, or the system's clipboard history, reads
// each new text as it comes. So this waits for up to about a second.
bool OpenClipboardSoon(HWND owner);

// The clipboard's CF_UNICODETEXT, or nothing when it holds none.
std::u16string ClipboardText();

}  // namespace velk::win32
