#include "ui/text_box_holder.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace velk::ui {

QString BoxText(const QPlainTextEdit& box) {
    // toPlainText() would turn NBSP into a blank and U+2028 into LF; the raw
    // text keeps them and marks paragraph ends with U+2029.
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void ReplaceBoxText(QPlainTextEdit& box, const QString& text) {
    QTextCursor cursor(box.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
}

std::u16string TextBoxHolder::ReadText() const {
    return BoxText(box_).toStdU16String();
}

void TextBoxHolder::ReplaceText(std::u16string text) {
    ReplaceBoxText(box_, QString::fromStdU16String(text));
}

}  // namespace velk::ui
