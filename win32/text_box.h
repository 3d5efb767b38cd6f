// Text1 as a Win32 multi-line edit control.
#pragma once

#include <windows.h>

#include "win32/edit_box.h"

namespace velk::win32 {

// Takes a paste (Ctrl+V, Shift+Insert, the context menu) only when the
// form's Text1_Paste agrees to it.
// Tab moves on to the next control and Ctrl+A selects all, as in the other
// desktops' windows; Escape does nothing.
void GuardTextBox(HWND box, FormSlot form);

}  // namespace velk::win32
