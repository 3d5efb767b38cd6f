#include "ui/pin_filter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace velk::ui {

namespace {

bool IsEditingKey(int key) {
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
        case Qt::Key_Clear:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

bool IsEditingShortcut(const QKeyEvent& event) {
    for (const auto standard : {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
                                QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo}) {
        if (event.matches(standard)) {
            return true;
        }
    }
    return false;
}

bool ClipboardHoldsText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr && !clipboard->text().isEmpty();
}

}  // namespace

PinKey FilterPinKey(const QKeyEvent& event) {
    // The box would paste nothing over its selection, deleting it.
    if (event.matches(QKeySequence::Paste) && !ClipboardHoldsText()) {
        return PinKey::Cancel;
    }
    if (IsEditingKey(event.key()) || IsEditingShortcut(event)) {
        return PinKey::Pass;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return PinKey::Pass;  // Shift, function keys and the like type nothing
    }
    for (const QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9') {
            return PinKey::Cancel;
        }
    }
    return PinKey::Pass;
}

bool PinKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !keyPress_(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velk::ui
