#include "qt/qt_text.h"

#include <QMimeData>
#include <QVariant>

#include "engine/wipe.h"

namespace velk::qt {

namespace {

const char* const WindowTextMark = "velkWindowText";

}  // namespace

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

void MarkAsWindowText(QMimeData& data) {
    data.setProperty(WindowTextMark, true);
}

bool IsWindowText(const QMimeData& data) {
    return data.property(WindowTextMark).toBool();
}

}  // namespace velk::qt
