// The text of a multi-line text box as a text holder for the passes.
#pragma once

#include <string>

#include "engine/text_holder.h"

#include <QString>

class QPlainTextEdit;

namespace velk::ui {

// Reads and writes the box's text unit for unit. A box keeps line breaks as
// paragraphs, so CR LF, a lone CR and U+2029 all enter it as one break, which
// this holder reads as LF; so do U+FDD0 and U+FDD1, which the box's document
// takes for frame marks. Every other unit, NBSP, U+2028 and lone surrogates
// included, is read back exactly as it went in.
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

}  // namespace velk::ui
