// What both programs' wWinMain() does: one window of an edition over the
// real desktop, and its message loop.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "platform/process_guard.h"
#include "win32/main_window.h"
#include "win32/win32_desktop.h"

namespace velk::win32 {

template <class Form>
int RunProgram(HINSTANCE instance, const ui::Edition& edition, int showCommand) {
    DisableCoreDumps();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    MainWindow window(instance, edition);
    Win32Desktop desktop(&window);
    Form form(window, desktop);
    window.Attach(form);
    window.Show(showCommand);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchWindowMessage(window.Handle(), message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace velk::win32
