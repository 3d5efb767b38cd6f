// What the PIN box and Text1 share as Win32 edit controls: the paste they
// are about to take, and their context menu.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>

#include "ui/cipher_window.h"

namespace velk::win32 {

// Where a box finds the form it hands its events to: the window's own
// pointer, null until a form is attached.
using FormSlot = ui::CipherWindow* const*;

bool ReadOnly(HWND box);

// A paste into an edit control before it is made: the clipboard's text, the
// box's text and the selection the paste would replace. Both texts are
// overwritten when it goes.
struct PendingPaste {
    explicit PendingPaste(HWND target);
    PendingPaste(const PendingPaste&) = delete;
    PendingPaste& operator=(const PendingPaste&) = delete;
    ~PendingPaste();

    std::size_t Replaced() const { return selection.second - selection.first; }

    std::u16string pasted;
    std::u16string box;
    std::pair<std::size_t, std::size_t> selection;  // start and end
};

// An edit control's context menu with only the commands that `copies`
// allows: without it there is no Cut and no Copy. Each command goes to the
// box as its message, where the box's own handling sees it.
void ShowEditMenu(HWND box, LPARAM position, bool copies);

}  // namespace velk::win32
