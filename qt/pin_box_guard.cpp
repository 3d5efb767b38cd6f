#include "qt/pin_box_guard.h"

#include <algorithm>

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "qt/pin_box_accessible.h"
#include "qt/qt_text.h"

namespace velk::qt {

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

}  // namespace

PinBoxGuard::PinBoxGuard(QLineEdit& box, ui::CipherWindow& form)
    : QObject(&box), box_(box), form_(form) {
    box_.installEventFilter(this);
    InstallPinBoxAccessible(
        box_, [this](int start, int end, const QString& text) { Replace(start, end, text); });
    // Qt's line edit copies its selection to the X11 primary selection on
    // the mouse release that ends a selection, after every key that leaves
    // text selected, and after a double click, in handlers no subclass can
    // take over without giving up the rest of them; it only holds back for
    // a box that hides its text, and this one shows the PIN. So the guard
    // answers the clipboard's change signal, which comes within the call
    // that took the selection, and gives the selection up again there. An X
    // client can read a selection only by asking its owner through this
    // program's event loop, which runs again only after that; by then there
    // is nothing to hand out and the request is refused.
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this, &PinBoxGuard::TakeBackPin);
}

void PinBoxGuard::Replace(int start, int end, const QString& text) {
    if (box_.isReadOnly()) {
        return;
    }
    const int length = static_cast<int>(box_.text().size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, start, length);
    if (!text.isEmpty() && !Takes(end - start, text)) {
        return;
    }
    box_.setSelection(start, end - start);
    box_.insert(text);
}

void PinBoxGuard::TakeBackPin(QClipboard::Mode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Another program's data is none of the guard's business, and reading it
    // would wait for that program.
    const bool owned = (mode == QClipboard::Clipboard && clipboard->ownsClipboard()) ||
                       (mode == QClipboard::Selection && clipboard->ownsSelection());
    if (!owned) {
        return;
    }
    const QMimeData* data = clipboard->mimeData(mode);
    if (data == nullptr || IsWindowText(*data)) {
        return;
    }
    const QString text = data->text();
    if (!text.isEmpty() && box_.text().contains(text)) {
        clipboard->clear(mode);
    }
}

bool PinBoxGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &box_) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (!KeyPasses(key)) {
            return true;
        }
        if (key.matches(QKeySequence::Paste) && !box_.isReadOnly()) {
            Paste(QClipboard::Clipboard);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ContextMenu) {
        ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (box_.isReadOnly()) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            // The X11 paste of the selection: at the click, beside what is selected.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QGuiApplication::clipboard()->supportsSelection()) {
                box_.deselect();
                Paste(QClipboard::Selection);
                return true;
            }
            break;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasText() && !Takes(0, drop->mimeData()->text())) {
                drop->ignore();
                return true;
            }
            break;
        }
        case QEvent::InputMethod: {
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            if (!commit.isEmpty() && !Takes(box_.selectionLength(), commit)) {
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool PinBoxGuard::KeyPasses(const QKeyEvent& event) {
    // Shift+Delete is the desktop's Cut: it must not pass as Delete.
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut)) {
        form_.txtKey_CopyOrCut();
        return false;
    }
    if (IsEditingKey(event.key())) {
        return true;
    }
    // Keys that type nothing (Shift, function keys, Insert) pass; a control
    // key types its control character, or its letter where no keyboard
    // layout stands behind the event.
    const QString typed = event.text();
    return std::ranges::all_of(typed, [this](QChar c) {
        char16_t keyAscii = c.unicode();
        form_.txtKey_KeyPress(keyAscii);
        return keyAscii != 0;
    });
}

bool PinBoxGuard::Takes(qsizetype removed, const QString& inserted) {
    const QString current = box_.text();
    const auto view = [](QStringView text) {
        return std::u16string_view(text.utf16(), static_cast<std::size_t>(text.size()));
    };
    return form_.txtKey_Insert(view(current), static_cast<std::size_t>(removed), view(inserted));
}

void PinBoxGuard::Paste(QClipboard::Mode mode) {
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (Takes(box_.selectionLength(), text)) {
        box_.insert(text);
    }
}

void PinBoxGuard::ShowContextMenu(const QPoint& globalPos) {
    QMenu* menu = box_.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The box's own items, known by their captions in the box's translation:
    // Cut and Copy go, Paste pastes through the guard instead.
    for (QAction* item : menu->actions()) {
        if (item->text().startsWith(QLineEdit::tr("Cu&t")) ||
            item->text().startsWith(QLineEdit::tr("&Copy"))) {
            delete item;
        } else if (item->text().startsWith(QLineEdit::tr("&Paste"))) {
            item->disconnect(&box_);
            connect(item, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
        }
    }
    menu->popup(globalPos);
}

}  // namespace velk::qt
