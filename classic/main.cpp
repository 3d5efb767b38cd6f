// VelkEncryptDecrypt: the classic edition's window and nothing else.
#include <QApplication>

#include "classic/form1.h"
#include "ui/qt_desktop.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velk::ui::QtDesktop desktop;
    velk::classic::Form1 window(desktop);
    window.show();
    return QApplication::exec();
}
