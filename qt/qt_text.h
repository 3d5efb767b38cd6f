// The Qt layer's text and clipboard helpers.
#pragma once

#include <string_view>

#include <QString>
#include <QStringView>

class QMimeData;

namespace velk::qt {

QString ToQString(std::u16string_view text);

inline std::u16string_view View(QStringView text) {
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// Overwrites the characters `text` holds (its own copy, where it shares them)
// and leaves it empty. The strings made here hold exactly their text.
void WipeText(QString& text);

// Marks data that the window puts out of its own text (the text box's
// selections and copies, the copy command's text): the PIN box's guard
// leaves it on the clipboard even where it matches a part of the PIN.
void MarkAsWindowText(QMimeData& data);
bool IsWindowText(const QMimeData& data);

}  // namespace velk::qt
