#include "win32/edit_box.h"

#include <windowsx.h>

#include <algorithm>

#include "engine/wipe.h"
#include "win32/win32_text.h"

namespace velk::win32 {

namespace {

// Start and end of an edit control's selection.
std::pair<std::size_t, std::size_t> Selection(HWND box) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, std::max(start, end)};
}

}  // namespace

bool ReadOnly(HWND box) {
    return (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
}

PendingPaste::PendingPaste(HWND target)
    : pasted(ClipboardText()), box(WindowText(target)), selection(Selection(target)) {}

PendingPaste::~PendingPaste() {
    Wipe(pasted);
    Wipe(box);
}

void ShowEditMenu(HWND box, LPARAM position, bool copies) {
    const auto [start, end] = Selection(box);
    const bool selected = start != end;
    const bool editable = !ReadOnly(box);
    HMENU menu = CreatePopupMenu();
    const auto item = [menu](UINT id, const wchar_t* caption, bool enabled) {
        AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, caption);
    };
    item(WM_UNDO, L"&Undo", editable && SendMessageW(box, EM_CANUNDO, 0, 0) != 0);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    if (copies) {
        item(WM_CUT, L"Cu&t", editable && selected);
        item(WM_COPY, L"&Copy", selected);
    }
    item(WM_PASTE, L"&Paste", editable && IsClipboardFormatAvailable(CF_UNICODETEXT) != 0);
    item(WM_CLEAR, L"&Delete", editable && selected);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    item(EM_SETSEL, L"Select &All", GetWindowTextLengthW(box) > 0);
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {  // from the keyboard: at the box
        RECT r{};
        GetWindowRect(box, &r);
        at = {r.left + 4, r.top + 4};
    }
    const auto command = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, box, nullptr));
    DestroyMenu(menu);
    if (command == EM_SETSEL) {
        SendMessageW(box, EM_SETSEL, 0, -1);
    } else if (command != 0) {
        SendMessageW(box, command, 0, 0);
    }
}

}  // namespace velk::win32
