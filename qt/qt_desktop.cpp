#include "qt/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMessageBox>
#include <QMimeData>
#include <QWidget>

#include "qt/qt_text.h"

namespace velk::qt {

QtDesktop::~QtDesktop() {
    setBusyPointer(false);
}

void QtDesktop::messageBox(std::u16string_view prompt, ui::MessageStyle style,
                           std::u16string_view title) {
    QMessageBox box(
        style == ui::MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::Information,
        ToQString(title), ToQString(prompt), QMessageBox::Ok, owner_);
    box.exec();
}

void QtDesktop::beep() {
    QApplication::beep();
}

void QtDesktop::setBusyPointer(bool busy) {
    if (busy && !busy_) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else if (!busy && busy_) {
        QApplication::restoreOverrideCursor();
    }
    busy_ = busy;
}

void QtDesktop::processEventsOnce() {
    QCoreApplication::processEvents();
}

bool QtDesktop::setClipboardText(std::u16string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    auto* data = new QMimeData;
    const QString plain = ToQString(text);
    data->setText(plain);
    // Clipboard managers that honour the hint keep the text out of their
    // history and their sync.
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
    MarkAsWindowText(*data);
    clipboard->clear();
    clipboard->setMimeData(data);
    return clipboard->text() == plain;
}

void QtDesktop::endProgram(int status) {
    QCoreApplication::exit(status);
}

}  // namespace velk::qt
