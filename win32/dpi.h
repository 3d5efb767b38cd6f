// A window's dots per inch on any Windows. The window's own DPI functions
// came with Windows 10 version 1607; they are looked up at run time, so that
// on older Windows the programs still start and lay the window out at the
// system's DPI, which is then the only one.
#pragma once

#include <windows.h>

namespace velk::win32 {

int WindowDpi(HWND hwnd);

// AdjustWindowRectEx for a window with a menu at `dpi`.
void AdjustFrameForDpi(RECT& frame, DWORD style, DWORD exStyle, int dpi);

}  // namespace velk::win32
