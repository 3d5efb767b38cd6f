// Everything a window shows or does on the desktop besides its own controls.
#pragma once

#include <cstdint>
#include <memory>

#include <QString>

class QWidget;

namespace velk::ui {

class SlideFrame;

enum class MessageIcon : std::uint8_t { Critical, Information };

// The window's way to the desktop: message boxes, the beep, the mouse
// pointer, event processing, the clipboard and ending the program. The Qt
// implementation is QtDesktop; tests put a recording one in its place.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box with an OK button only; returns when it is closed.
    virtual void messageBox(QWidget* parent, const QString& text, const QString& title,
                            MessageIcon icon) = 0;
    virtual void beep() = 0;

    // The busy pointer does not stack: setting it twice and restoring it once
    // gives the default pointer back.
    virtual void setBusyPointer() = 0;
    virtual void restorePointer() = 0;

    // Handles the pending window events once and returns.
    virtual void processEventsOnce() = 0;

    // Empties the clipboard and puts `text` on it as plain text, marked as a
    // secret for clipboard managers. True only when reading the clipboard
    // back gives exactly `text`.
    virtual bool setClipboardText(const QString& text) = 0;

    // The geometry of `window` as the closing slide moves it.
    virtual std::unique_ptr<SlideFrame> slideFrame(QWidget& window) = 0;

    // Ends the program with `status` once control is back in the main event
    // loop; the window runs no further handler after calling it.
    virtual void endProgram(int status) = 0;
};

}  // namespace velk::ui
