#include "win32/win32_desktop.h"

#include <cstring>

#include "engine/wipe.h"
#include "win32/main_window.h"
#include "win32/win32_text.h"

namespace velk::win32 {

namespace {

// Moveable global memory holding `size` bytes from `data`, as the clipboard
// takes it.
HGLOBAL GlobalCopy(const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory != nullptr) {
        void* target = GlobalLock(memory);
        std::memcpy(target, data, size);
        GlobalUnlock(memory);
    }
    return memory;
}

bool SetFormat(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = GlobalCopy(data, size);
    if (memory != nullptr && SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return memory != nullptr;
}

}  // namespace

Win32Desktop::Win32Desktop(MainWindow* window)
    : window_(window), owner_(window != nullptr ? window->Handle() : nullptr) {}

Win32Desktop::~Win32Desktop() {
    setBusyPointer(false);
}

void Win32Desktop::messageBox(std::u16string_view prompt, ui::MessageStyle style,
                              std::u16string_view title) {
    const std::wstring text = Wide(prompt);
    const std::wstring caption = Wide(title);
    MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK | static_cast<UINT>(style));
}

void Win32Desktop::beep() {
    MessageBeep(MB_OK);
}

void Win32Desktop::setBusyPointer(bool busy) {
    if (window_ != nullptr) {
        window_->SetBusy(busy);
    }
}

void Win32Desktop::processEventsOnce() {
    // The messages waiting now, and those they bring at once; a bound keeps
    // a window that repaints itself without end from holding the run.
    MSG message;
    for (int handled = 0; handled < 10'000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0;
         ++handled) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchWindowMessage(owner_, message);
    }
}

bool Win32Desktop::setClipboardText(std::u16string_view text) {
    if (!OpenClipboardSoon(owner_)) {
        return false;
    }
    std::u16string terminated(text);
    const WipedAtEnd wipeTerminated(terminated);
    const DWORD no = 0;
    bool set = EmptyClipboard() != 0 && SetFormat(CF_UNICODETEXT, terminated.c_str(),
                                                  (terminated.size() + 1) * sizeof(char16_t));
    // Kept out of clipboard history, cloud clipboard and clipboard monitors,
    // as password managers do.
    set = set &&
          SetFormat(RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing"), &no,
                    sizeof no) &&
          SetFormat(RegisterClipboardFormatW(L"CanIncludeInClipboardHistory"), &no, sizeof no) &&
          SetFormat(RegisterClipboardFormatW(L"CanUploadToCloudClipboard"), &no, sizeof no);
    CloseClipboard();
    if (!set) {
        return false;
    }
    std::u16string readBack = ClipboardText();
    const WipedAtEnd wipeReadBack(readBack);
    return readBack == text;
}

void Win32Desktop::endProgram(int status) {
    PostQuitMessage(status);
}

}  // namespace velk::win32
