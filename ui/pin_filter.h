// The key filter of the PIN box.
#pragma once

#include <functional>

#include <QObject>

class QKeyEvent;

namespace velk::ui {

enum class PinKey { Pass, Cancel };

// Digits 0 to 9 (codes 48 to 57), Backspace, Tab and the editing keys pass;
// so do keys that type no character and the standard editing shortcuts
// (copy, paste, select all, undo). Every other typed character is cancelled,
// and so is the paste shortcut while the clipboard holds no text.
PinKey FilterPinKey(const QKeyEvent& event);

// Installed on the PIN box: hands every key press to `keyPress` before the
// box sees it, and eats the press when `keyPress` returns false.
class PinKeyFilter final : public QObject {
    Q_OBJECT
public:
    PinKeyFilter(std::function<bool(const QKeyEvent&)> keyPress, QObject* parent)
        : QObject(parent), keyPress_(std::move(keyPress)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QKeyEvent&)> keyPress_;
};

}  // namespace velk::ui
