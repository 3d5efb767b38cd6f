// The multi-line text box Text1, and its text unit for unit.
#pragma once

#include <cstddef>
#include <functional>

#include <QPlainTextEdit>
#include <QString>

namespace velk::qt {

// Text1. Takes a paste or a drop (Ctrl+V, Shift+Insert, the context menu, a
// middle click, a drop all come through insertFromMimeData) only when the
// paste check agrees to the length of the box's text after it, counted as
// the passes count it, every line break as two; otherwise leaves the box as
// it was. Without this a paste of megabytes on one line would hold the
// window for as long as Qt takes to lay it out. Typing is not limited:
// the run refuses a text that grew too long. What the box puts on the
// clipboard or the selection is marked as the window's own text.
class TextBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    void SetPasteCheck(std::function<bool(std::size_t lengthAfter)> check);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    std::function<bool(std::size_t)> pasteCheck_;
};

// The text of `box`, unit for unit. A box keeps line breaks as paragraphs,
// so CR LF, a lone CR and U+2029 all enter it as one break, which reads back
// as LF; so do U+FDD0 and U+FDD1, which the box's document takes for frame
// marks. Every other unit, NBSP, U+2028 and lone surrogates included, is read
// back exactly as it went in.
QString BoxText(const QPlainTextEdit& box);

// Replaces the text of `box` as one undo step.
void ReplaceBoxText(QPlainTextEdit& box, const QString& text);

}  // namespace velk::qt
