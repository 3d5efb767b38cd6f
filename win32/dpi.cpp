#include "win32/dpi.h"

namespace velk::win32 {

namespace {

template <class Function>
Function* User32Function(const char* name) {
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    // Through a function type without parameters, as GetProcAddress's own.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

}  // namespace

int WindowDpi(HWND hwnd) {
    static auto* const getDpiForWindow = User32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        return static_cast<int>(getDpiForWindow(hwnd));
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void AdjustFrameForDpi(RECT& frame, DWORD style, DWORD exStyle, int dpi) {
    static auto* const adjustForDpi =
        User32Function<BOOL WINAPI(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&frame, style, TRUE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, TRUE, exStyle);
    }
}

}  // namespace velk::win32
