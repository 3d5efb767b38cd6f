#include "win32/win32_text.h"

#include <algorithm>

namespace velk::win32 {

std::u16string WindowText(HWND hwnd) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)), u'\0');
    if (!text.empty()) {
        const int read =
            GetWindowTextW(hwnd, AsWide(text.data()), static_cast<int>(text.size() + 1));
        text.resize(static_cast<std::size_t>(std::max(read, 0)));
    }
    return text;
}

bool OpenClipboardSoon(HWND owner) {
    const ULONGLONG giveUpAt = GetTickCount64() + 1000;
    while (OpenClipboard(owner) == 0) {
        if (GetTickCount64() >= giveUpAt) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

std::u16string ClipboardText() {
    std::u16string text;
    if (!OpenClipboardSoon(nullptr)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
            const std::size_t capacity = GlobalSize(data) / sizeof(char16_t);
            const std::size_t length = std::u16string_view(units, capacity).find(u'\0');
            text.assign(units, length == std::u16string_view::npos ? capacity : length);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace velk::win32
