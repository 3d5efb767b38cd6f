// The guard of the PIN box: which keys it takes, and which texts from outside.
#pragma once

#include <cstdint>
#include <functional>

#include <QClipboard>
#include <QObject>

class QKeyEvent;
class QLineEdit;
class QPoint;

namespace velk::ui {

enum class PinKey : std::uint8_t { Pass, Cancel };

// Digits 0 to 9 (codes 48 to 57), Backspace and Tab pass, and so does every
// key that types no character (the arrows, Delete, Home, End, Shift and the
// like). Every other typed character is cancelled: letters, the blank,
// punctuation, Enter and the control characters, Ctrl+C, Ctrl+X, Ctrl+V,
// Ctrl+A and Ctrl+Z among them.
PinKey FilterPinKey(const QKeyEvent& event);

// True when `box` still holds only ASCII digits, at most its maximum length,
// after `inserted` goes in: in place of its selection when
// `replacesSelection`, else beside it. An empty `inserted` never fits (a
// paste of nothing would at most delete the selection).
bool PinInsertionFits(const QLineEdit& box, const QString& inserted, bool replacesSelection);

// Installed on the PIN box. Hands every key press to `keyPress` and eats it
// when that returns false. Takes a text that arrives any other way (the
// paste key that types no character, Shift+Insert; Paste in the box's
// context menu; a middle click; a drop; an input method) whole when it fits,
// and otherwise leaves the box as it was and calls `refused`.
class PinBoxGuard final : public QObject {
    Q_OBJECT
public:
    PinBoxGuard(QLineEdit& box, std::function<bool(const QKeyEvent&)> keyPress,
                std::function<void()> refused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts the clipboard's text of `mode` in place of the selection if it fits.
    void Paste(QClipboard::Mode mode);
    void ShowContextMenu(const QPoint& globalPos);

    QLineEdit& box_;
    std::function<bool(const QKeyEvent&)> keyPress_;
    std::function<void()> refused_;
};

}  // namespace velk::ui
