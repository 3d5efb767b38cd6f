// The multi-line text box Text1, and its text as a text holder for the passes.
#pragma once

#include <functional>
#include <string>

#include <QPlainTextEdit>
#include <QString>

#include "engine/text_holder.h"

namespace velk::ui {

// Text1. Takes a paste or a drop (Ctrl+V, Shift+Insert, the context menu, a
// middle click, a drop all come through insertFromMimeData) only when the
// box's text after it is no longer than a pass takes, counted as the passes
// count it, every line break as two; otherwise leaves the box as it was and
// calls `tooLong`. Without this a paste of megabytes on one line would hold
// the window for as long as Qt takes to lay it out. Typing is not limited:
// the run refuses a text that grew too long. What the box puts on the
// clipboard or the selection is marked as the window's own text.
class TextBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, std::function<void()> tooLong);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    std::function<void()> tooLong_;
};

// Reads and writes the box's text unit for unit. A box keeps line breaks as
// paragraphs, so CR LF, a lone CR and U+2029 all enter it as one break, which
// this holder reads as LF; so do U+FDD0 and U+FDD1, which the box's document
// takes for frame marks. Every other unit, NBSP, U+2028 and lone surrogates
// included, is read back exactly as it went in. The copies it makes on the
// way are overwritten; the box's own storage is Qt's.
class TextBoxHolder final : public TextHolder {
public:
    explicit TextBoxHolder(QPlainTextEdit& box) : box_(box) {}

    std::u16string ReadText() const override;

    // Replaces the whole text as one undo step of the box.
    void ReplaceText(std::u16string text) override;

private:
    QPlainTextEdit& box_;
};

// The text of `box` as the holder reads it.
QString BoxText(const QPlainTextEdit& box);

// Replaces the text of `box` as one undo step.
void ReplaceBoxText(QPlainTextEdit& box, const QString& text);

// Overwrites the characters `text` holds (its own copy, where it shares them)
// and leaves it empty. The strings made here hold exactly their text.
void WipeText(QString& text);

}  // namespace velk::ui
