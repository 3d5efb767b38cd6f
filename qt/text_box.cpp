#include "qt/text_box.h"

#include <algorithm>
#include <string_view>

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "engine/line_breaks.h"
#include "engine/wipe.h"
#include "qt/qt_desktop.h"

namespace velk::qt {

namespace {

// The length a text gets once in the box, as the passes count it: each unit
// that the box makes a paragraph break counts two.
qsizetype PassLength(const QString& text) {
    const QStringView view(text);
    const auto frameMarksAndSeparators = std::ranges::count_if(view, [](QChar c) {
        return c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
    });
    return static_cast<qsizetype>(CrLfLength(std::u16string_view(view.utf16(), view.size()))) +
           frameMarksAndSeparators;
}

// The same for what `cursor` spans of its document: the characters, each
// paragraph break among them once more.
qsizetype PassLength(const QTextCursor& cursor) {
    const QTextDocument& document = *cursor.document();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    return end - start + document.findBlock(end).blockNumber() -
           document.findBlock(start).blockNumber();
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {}

void TextBox::SetPasteCheck(std::function<bool(std::size_t lengthAfter)> check) {
    pasteCheck_ = std::move(check);
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && !isReadOnly() && pasteCheck_) {
        QTextCursor all(document());
        all.select(QTextCursor::Document);
        const qsizetype after =
            PassLength(all) - PassLength(textCursor()) + PassLength(source->text());
        if (!pasteCheck_(static_cast<std::size_t>(after))) {
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

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void WipeText(QString& text) {
    if (!text.isEmpty()) {
        // data() gives this string its own characters first where it shares
        // them, so what another string holds stays as it is.
        WipeBytes(text.data(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
    }
    text.clear();
}

}  // namespace velk::qt
