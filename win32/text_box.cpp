#include "win32/text_box.h"

#include <commctrl.h>

namespace velk::win32 {

namespace {

// A multi-line box has no select-all key of its own; Ctrl+A is it here.
bool IsSelectAll(UINT message, WPARAM wParam) {
    return (message == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0 &&
            GetKeyState(VK_MENU) >= 0) ||
           (message == WM_CHAR && wParam == 1);
}

bool PasteFits(HWND box, ui::CipherWindow* form) {
    if (ReadOnly(box) || form == nullptr) {
        return false;
    }
    const PendingPaste paste(box);
    return form->Text1_Paste(paste.box, paste.selection.first, paste.selection.second,
                             paste.pasted);
}

LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR slot) {
    if (IsSelectAll(message, wParam)) {
        if (message == WM_KEYDOWN) {
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
        }
        return 0;
    }
    switch (message) {
        case WM_GETDLGCODE: {
            // Tab moves on to the next control, as in every other box here.
            LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam);
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
                code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
            }
            return code & ~static_cast<LRESULT>(DLGC_WANTTAB);
        }
        case WM_CHAR:
            // A multi-line box in a window with dialog keys closes the
            // window on Escape; here Escape does nothing.
            if (wParam == u'\t' || wParam == VK_ESCAPE) {
                return 0;
            }
            if (wParam == 0x16) {  // Ctrl+V
                SendMessageW(hwnd, WM_PASTE, 0, 0);
                return 0;
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                return 0;
            }
            if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0) {
                SendMessageW(hwnd, WM_PASTE, 0, 0);
                return 0;
            }
            break;
        case WM_PASTE:
            if (!PasteFits(hwnd, *reinterpret_cast<FormSlot>(slot))) {
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            ShowEditMenu(hwnd, lParam, true);
            return 0;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void GuardTextBox(HWND box, FormSlot form) {
    SetWindowSubclass(box, &TextBoxProc, 1, reinterpret_cast<DWORD_PTR>(form));
}

}  // namespace velk::win32
