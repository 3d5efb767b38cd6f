#include "win32/pin_box.h"

#include <commctrl.h>
#include <imm.h>

#include "win32/win32_text.h"

namespace velk::win32 {

namespace {

bool IsReturnOrEscape(const MSG& msg) {
    return (msg.message == WM_KEYDOWN || msg.message == WM_CHAR) &&
           (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

void Paste(HWND box, ui::CipherWindow* form) {
    if (ReadOnly(box) || form == nullptr) {
        return;
    }
    const PendingPaste paste(box);
    if (form->txtKey_Insert(paste.box, paste.Replaced(), paste.pasted)) {
        SendMessageW(box, EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(AsWide(paste.pasted.c_str())));
    }
}

LRESULT CALLBACK PinBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR slot) {
    ui::CipherWindow* form = *reinterpret_cast<FormSlot>(slot);
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter and Escape are keys like any other here, refused by the
            // PIN rules, not the dialog manager's default and cancel.
            const LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam);
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            return msg != nullptr && IsReturnOrEscape(*msg) ? code | DLGC_WANTMESSAGE : code;
        }
        case WM_CHAR:
        case WM_IME_CHAR:
            if (form != nullptr) {
                auto keyAscii = static_cast<char16_t>(wParam);
                form->txtKey_KeyPress(keyAscii);
                if (keyAscii == 0) {
                    return 0;
                }
            }
            break;
        case WM_IME_COMPOSITION:
            return 0;  // the box has no input method; what one composes stays out
        case WM_KEYDOWN:
            // The desktop's paste, copy and cut keys, which an edit control
            // may carry out without a message of its own.
            if (wParam == VK_INSERT && shift) {
                Paste(hwnd, form);
                return 0;
            }
            if ((wParam == VK_INSERT && control) || (wParam == VK_DELETE && shift)) {
                if (form != nullptr) {
                    form->txtKey_CopyOrCut();
                }
                return 0;
            }
            break;
        case WM_PASTE:
            Paste(hwnd, form);
            return 0;
        case WM_COPY:
        case WM_CUT:
            if (form != nullptr) {
                form->txtKey_CopyOrCut();
            }
            return 0;
        case WM_CONTEXTMENU:
            ShowEditMenu(hwnd, lParam, false);
            return 0;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void GuardPinBox(HWND box, FormSlot form) {
    ImmAssociateContextEx(box, nullptr, 0);
    SetWindowSubclass(box, &PinBoxProc, 1, reinterpret_cast<DWORD_PTR>(form));
}

}  // namespace velk::win32
