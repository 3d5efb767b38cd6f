// The PIN box's rules on a Win32 edit control.
#pragma once

#include <windows.h>

#include "win32/edit_box.h"

namespace velk::win32 {

// Hands every character typed into `box`, Enter and Escape included, to the
// form's txtKey_KeyPress before the dialog keys see it, and drops it when
// that cancels it. Takes a paste (WM_PASTE, Shift+Insert, the box's context
// menu) whole when the form's txtKey_Insert does; refuses copying and
// cutting (WM_COPY, WM_CUT, Ctrl+Insert, Shift+Delete) through
// txtKey_CopyOrCut, and its context menu has neither. No input method
// reaches the box.
void GuardPinBox(HWND box, FormSlot form);

}  // namespace velk::win32
