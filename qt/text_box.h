// The multi-line text box Text1, and its text unit for unit.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include <QPlainTextEdit>
#include <QString>

namespace velk::qt {

// Text1. Takes a paste or a drop (Ctrl+V, Shift+Insert, the context menu, a
// middle click, a drop all come through insertFromMimeData) only when the
// paste check agrees to it (the form's Text1_Paste, which counts the length
// the text would have as the passes count it); otherwise leaves the box as
// it was. Without this a paste of megabytes on one line would hold the
// window for as long as Qt takes to lay it out. Typing is not limited:
// the run refuses a text that grew too long. What the box puts on the
// clipboard or the selection is marked as the window's own text.
class TextBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    // Asked with the box's text, the selection a paste replaces and the
    // pasted text, as the box will hold them.
    using PasteCheck = std::function<bool(std::u16string_view box, std::size_t start,
                                          std::size_t end, std::u16string_view pasted)>;
    void SetPasteCheck(PasteCheck check);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    PasteCheck pasteCheck_;
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
