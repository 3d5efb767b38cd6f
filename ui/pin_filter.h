// The guard of the PIN box: which keys it takes, which texts from outside,
// and that the PIN never leaves the box.
#pragma once

#include <cstdint>
#include <functional>

#include <QClipboard>
#include <QObject>

class QKeyEvent;
class QLineEdit;
class QMimeData;
class QPoint;

namespace velk::ui {

enum class PinKey : std::uint8_t { Pass, Cancel };

// Digits 0 to 9 (codes 48 to 57), Backspace and Tab pass, and so does every
// key that types no character (the arrows, Delete, Home, End, Shift and the
// like) but those the desktop binds to copying or cutting (Ctrl+Insert,
// Shift+Delete). Every other typed character is cancelled: letters, the
// blank, punctuation, Enter and the control characters, Ctrl+C, Ctrl+X,
// Ctrl+V, Ctrl+A and Ctrl+Z among them.
PinKey FilterPinKey(const QKeyEvent& event);

// True when `box` still holds only ASCII digits, at most its maximum length,
// after `inserted` goes in: in place of its selection when
// `replacesSelection`, else beside it. An empty `inserted` never fits (a
// paste of nothing would at most delete the selection).
bool PinInsertionFits(const QLineEdit& box, const QString& inserted, bool replacesSelection);

// Marks data that the window puts out of its own text (the text box's
// selections and copies, the copy command's text): the guard leaves it on
// the clipboard even where it matches a part of the PIN.
void MarkAsWindowText(QMimeData& data);

// Installed on the PIN box. Hands every key press to `keyPress` and eats it
// when that returns false. Takes a text that arrives any other way (the
// paste key that types no character, Shift+Insert; Paste in the box's
// context menu; a middle click; a drop; an input method; assistive
// technology) whole when it fits, and otherwise leaves the box as it was and
// calls `refused`. The box's context menu has no Copy and no Cut, and
// whatever else puts a part of the PIN on the clipboard or the selection
// from this program (Qt's copy of a selection to the X11 primary selection,
// assistive technology's copy) sees it taken back at once.
class PinBoxGuard final : public QObject {
    Q_OBJECT
public:
    PinBoxGuard(QLineEdit& box, std::function<bool(const QKeyEvent&)> keyPress,
                std::function<void()> refused);

    // Puts `text` in place of the box's characters `start` to `end` as
    // assistive technology asks: any deletion, an insertion only when it
    // fits. Does nothing while the box is read-only.
    void Replace(int start, int end, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts the clipboard's text of `mode` in place of the selection if it fits.
    void Paste(QClipboard::Mode mode);
    void ShowContextMenu(const QPoint& globalPos);
    void TakeBackPin(QClipboard::Mode mode);

    QLineEdit& box_;
    std::function<bool(const QKeyEvent&)> keyPress_;
    std::function<void()> refused_;
};

}  // namespace velk::ui
