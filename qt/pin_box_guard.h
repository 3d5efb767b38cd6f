// The guard of the PIN box: which keys it takes, which texts from outside,
// and that the PIN never leaves the box.
#pragma once

#include <QClipboard>
#include <QObject>

#include "ui/cipher_window.h"

class QKeyEvent;
class QLineEdit;
class QPoint;

namespace velk::qt {

// Installed on the PIN box. Hands every typed character to the form's
// txtKey_KeyPress and eats the key when that cancels it; keys that type no
// character pass, but those the desktop binds to copying or cutting
// (Ctrl+Insert, Shift+Delete), which are cancelled with a beep. Takes a text
// that arrives any other way (the paste key that types no character,
// Shift+Insert; Paste in the box's context menu; a middle click; a drop; an
// input method; assistive technology) whole when the form's txtKey_Insert
// does, and otherwise leaves the box as it was. The box's context menu has
// no Copy and no Cut, and whatever else puts a part of the PIN on the
// clipboard or the selection from this program (Qt's copy of a selection to
// the X11 primary selection, assistive technology's copy) sees it taken back
// at once.
class PinBoxGuard final : public QObject {
    Q_OBJECT
public:
    PinBoxGuard(QLineEdit& box, ui::CipherWindow& form);

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
    bool KeyPasses(const QKeyEvent& event);
    // True when the form takes `inserted` in place of `removed` characters.
    bool Takes(qsizetype removed, const QString& inserted);

    QLineEdit& box_;
    ui::CipherWindow& form_;
};

}  // namespace velk::qt
