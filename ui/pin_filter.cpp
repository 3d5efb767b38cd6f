#include "ui/pin_filter.h"

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

bool AllAsciiDigits(const QString& text) {
    return std::ranges::all_of(text,
                               [](QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; });
}

}  // namespace

PinKey FilterPinKey(const QKeyEvent& event) {
    if (IsEditingKey(event.key())) {
        return PinKey::Pass;
    }
    // Keys that type nothing (Shift, function keys, Insert) pass; a control
    // key types its control character, or its letter where no keyboard
    // layout stands behind the event.
    const QString text = event.text();
    return text.isEmpty() || AllAsciiDigits(text) ? PinKey::Pass : PinKey::Cancel;
}

bool PinInsertionFits(const QLineEdit& box, const QString& inserted, bool replacesSelection) {
    if (inserted.isEmpty() || !AllAsciiDigits(inserted)) {
        return false;
    }
    const qsizetype kept = box.text().size() - (replacesSelection ? box.selectedText().size() : 0);
    return kept + inserted.size() <= box.maxLength();
}

PinBoxGuard::PinBoxGuard(QLineEdit& box, std::function<bool(const QKeyEvent&)> keyPress,
                         std::function<void()> refused)
    : QObject(&box), box_(box), keyPress_(std::move(keyPress)), refused_(std::move(refused)) {
    box_.installEventFilter(this);
}

bool PinBoxGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &box_) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (!keyPress_(key)) {
            return true;
        }
        if (key.matches(QKeySequence::Paste) && !box_.isReadOnly()) {
            Paste(QClipboard::Clipboard);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    if (box_.isReadOnly()) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::ContextMenu:
            ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
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
            if (drop->mimeData()->hasText() &&
                !PinInsertionFits(box_, drop->mimeData()->text(), false)) {
                drop->ignore();
                refused_();
                return true;
            }
            break;
        }
        case QEvent::InputMethod: {
            const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
            if (!commit.isEmpty() && !PinInsertionFits(box_, commit, true)) {
                refused_();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void PinBoxGuard::Paste(QClipboard::Mode mode) {
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (PinInsertionFits(box_, text, true)) {
        box_.insert(text);
    } else {
        refused_();
    }
}

void PinBoxGuard::ShowContextMenu(const QPoint& globalPos) {
    QMenu* menu = box_.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The box's own Paste, known by its caption in the box's translation,
    // pastes through the guard instead.
    const QList<QAction*> items = menu->actions();
    const auto paste = std::ranges::find_if(items, [](const QAction* item) {
        return item->text().startsWith(QLineEdit::tr("&Paste"));
    });
    if (paste != items.end()) {
        (*paste)->disconnect(&box_);
        connect(*paste, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
    }
    menu->popup(globalPos);
}

}  // namespace velk::ui
