#include "qt/pin_box_guard.h"

#include <algorithm>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "qt/qt_desktop.h"

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

// The box as assistive technology sees it: Qt's own accessible for a line
// edit writes a text with setText, which neither the guard nor the validator
// sees (nor the length, which the box cuts silently), so the box has this
// one instead. Screen readers read the PIN through it as from any line
// edit; every edit goes to the guard.
class PinBoxAccessible final : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleEditableTextInterface {
public:
    PinBoxAccessible(QLineEdit& box, PinBoxGuard& guard)
        : QAccessibleWidget(&box, QAccessible::EditableText), box_(box), guard_(guard) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
            case QAccessible::TextInterface:
                return static_cast<QAccessibleTextInterface*>(this);
            case QAccessible::EditableTextInterface:
                return static_cast<QAccessibleEditableTextInterface*>(this);
            default:
                return QAccessibleWidget::interface_cast(type);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box_.isReadOnly();
        state.readOnly = box_.isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box_.text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) {
            guard_.Replace(0, characterCount(), text);
        } else {
            QAccessibleWidget::setText(t, text);
        }
    }

    // Reading.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        const bool selected = selectionIndex == 0 && box_.hasSelectedText();
        *startOffset = selected ? box_.selectionStart() : 0;
        *endOffset = selected ? box_.selectionEnd() : 0;
    }
    int selectionCount() const override { return box_.hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) {
            box_.deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0) {
            box_.setSelection(startOffset, endOffset - startOffset);
        }
    }
    int cursorPosition() const override { return box_.cursorPosition(); }
    void setCursorPosition(int position) override { box_.setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        return box_.text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box_.text().size()); }
    QRect characterRect(int offset) const override {
        if (offset < 0 || offset >= characterCount()) {
            return {};
        }
        // The box is wide enough for its eight characters, so its text is
        // never scrolled: it starts at the contents' left edge and a line
        // edit's fixed margin of two pixels.
        const QFontMetrics metrics(box_.font());
        const QRect contents = box_.contentsRect() - box_.textMargins();
        const QPoint topLeft(contents.left() + 2 + metrics.horizontalAdvance(text(0, offset)),
                             contents.center().y() - metrics.height() / 2);
        return {box_.mapToGlobal(topLeft),
                QSize(metrics.horizontalAdvance(box_.text().at(offset)), metrics.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box_.cursorPositionAt(box_.mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

    // Editing.
    void deleteText(int startOffset, int endOffset) override {
        guard_.Replace(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override {
        guard_.Replace(offset, offset, text);
    }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        guard_.Replace(startOffset, endOffset, text);
    }

private:
    QLineEdit& box_;
    PinBoxGuard& guard_;
};

// Made for every line edit that a guard watches: queryAccessibleInterface
// asks the factory installed last first.
QAccessibleInterface* MakePinBoxAccessible(const QString& className, QObject* object) {
    auto* box =
        className == QLatin1String("QLineEdit") ? qobject_cast<QLineEdit*>(object) : nullptr;
    auto* guard = box != nullptr
                      ? box->findChild<PinBoxGuard*>(QString(), Qt::FindDirectChildrenOnly)
                      : nullptr;
    return guard != nullptr ? new PinBoxAccessible(*box, *guard) : nullptr;
}

}  // namespace

PinBoxGuard::PinBoxGuard(QLineEdit& box, ui::CipherWindow& form)
    : QObject(&box), box_(box), form_(form) {
    box_.installEventFilter(this);
    [[maybe_unused]] static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&MakePinBoxAccessible);
        return true;
    }();
    // The line edit's constructor has made Qt's own accessible for it
    // already; the box gets the guard's in its place.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&box_);
    if (made != nullptr && dynamic_cast<PinBoxAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
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
