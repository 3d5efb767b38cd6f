// What both programs' main() does: one window of an edition over the real
// desktop, with core dumps off before any secret can be in memory.
#pragma once

#include <QApplication>

#include "platform/process_guard.h"
#include "qt/main_window.h"
#include "qt/qt_desktop.h"

namespace velk::qt {

template <class Form>
int RunProgram(const ui::Edition& edition, int argc, char* argv[]) {
    DisableCoreDumps();
    QApplication app(argc, argv);
    QtDesktop desktop;
    MainWindow window(edition);
    desktop.SetOwner(&window);
    Form form(window, desktop);
    window.Attach(form);
    window.show();
    return QApplication::exec();
}

}  // namespace velk::qt
