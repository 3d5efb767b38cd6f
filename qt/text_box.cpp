#include "qt/text_box.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "qt/qt_text.h"
#include "ui/cipher_window.h"

namespace velk::qt {

namespace {

// `text` with its line breaks as the box will hold them: beside CR LF, a lone
// CR and LF, the box makes a paragraph separator and its two frame marks a
// paragraph end, which reads back as LF.
QString AsTheBoxHoldsIt(QString text) {
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1) {
            c = QLatin1Char('\n');
        }
    }
    return text;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {}

void TextBox::SetPasteCheck(PasteCheck check) {
    pasteCheck_ = std::move(check);
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && !isReadOnly() && pasteCheck_) {
        QString box = BoxText(*this);
        QString pasted = AsTheBoxHoldsIt(source->text());
        const QTextCursor cursor = textCursor();
        const bool takes =
            pasteCheck_(View(box), static_cast<std::size_t>(cursor.selectionStart()),
                        static_cast<std::size_t>(cursor.selectionEnd()), View(pasted));
        WipeText(box);
        WipeText(pasted);
        if (!takes) {
            return;
        }
    }
    QPlainTextEdit::insertFromMimeData(source);
}

QMimeData* TextBox::createMimeDataFromSelection() const {
    QMimeData* selection = QPlainTextEdit::createMimeDataFromSelection();
    if (selection != nullptr) {
        MarkAsWindowText(*selection);
    }
    return selection;
}

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

}  // namespace velk::qt
