// VelkEncryptDecryptV2: the second edition's window and nothing else.
#include <QApplication>

#include "ui/form1.h"
#include "ui/process_guard.h"
#include "ui/qt_desktop.h"

int main(int argc, char* argv[]) {
    velk::ui::DisableCoreDumps();  // before any secret can be in memory
    QApplication app(argc, argv);
    velk::ui::QtDesktop desktop;
    velk::ui::Form1 window(desktop);
    window.show();
    return QApplication::exec();
}
