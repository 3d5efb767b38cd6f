// What both programs' main() does: one window of an edition over the real
// desktop, with core dumps off before any secret can be in memory.
#pragma once

#include <QApplication>

#include "engine/process_guard.h"
#include "ui/qt_desktop.h"

namespace velk::ui {

template <class Window>
int RunProgram(int argc, char* argv[]) {
    DisableCoreDumps();
    QApplication app(argc, argv);
    QtDesktop desktop;
    Window window(desktop);
    window.show();
    return QApplication::exec();
}

}  // namespace velk::ui
