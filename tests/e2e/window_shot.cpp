// velk_window_shot: saves one X window as a PNG, for the screenshots the
// end-to-end test leaves behind.
//   velk_window_shot <window id> <file.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    QGuiApplication app(argc, argv);
    bool ok = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || screen == nullptr) {
        return 2;
    }
    const QPixmap shot = screen->grabWindow(window);
    return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
