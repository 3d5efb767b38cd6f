#include "qt/pin_box_accessible.h"

#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLineEdit>

namespace velk::qt {

namespace {

class PinBoxAccessible final : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleEditableTextInterface {
public:
    PinBoxAccessible(QLineEdit& box, PinBoxReplace replace)
        : QAccessibleWidget(&box, QAccessible::EditableText),
          box_(box),
          replace_(std::move(replace)) {}

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
            replace_(0, characterCount(), text);
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
        replace_(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replace_(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        replace_(startOffset, endOffset, text);
    }

private:
    QLineEdit& box_;
    PinBoxReplace replace_;
};

// The PIN boxes and where their edits go, while they exist.
QHash<const QObject*, PinBoxReplace>& PinBoxes() {
    static QHash<const QObject*, PinBoxReplace> boxes;
    return boxes;
}

// Qt asks the factory installed last first, for every object.
QAccessibleInterface* MakePinBoxAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QLineEdit")) {
        return nullptr;
    }
    const auto box = PinBoxes().constFind(object);
    return box != PinBoxes().constEnd()
               ? new PinBoxAccessible(*static_cast<QLineEdit*>(object), *box)
               : nullptr;
}

}  // namespace

void InstallPinBoxAccessible(QLineEdit& box, const PinBoxReplace& replace) {
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(&MakePinBoxAccessible);
        return true;
    }();
    PinBoxes().insert(&box, replace);
    QObject::connect(&box, &QObject::destroyed, [](QObject* gone) { PinBoxes().remove(gone); });
    // The line edit's constructor has made Qt's own accessible for it
    // already; the box gets this one in its place.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&box);
    if (made != nullptr && dynamic_cast<PinBoxAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace velk::qt
