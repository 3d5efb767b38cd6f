// The window logic's way out: the window's controls, and the desktop around
// it. A windowing layer implements both; the handlers use nothing else, so
// no toolkit type crosses here and text is UTF-16.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velk::ui {

// The controls, named as the window names them.
enum class Control : std::uint8_t {
    txtKey,  // the PIN box
    Text1,   // the multi-line text box
    Combo1,  // the number of passes
    Kk1,     // the key pickers, in editions with a key library
    Kk2,
    Kk3,
    Kk4,
    Label1,  // "Enter Pin"
    Label2,  // the bottom strip
    Label3,  // the status line
    Label4,  // "Number Of Times"
};
inline constexpr std::size_t ControlCount = static_cast<std::size_t>(Control::Label4) + 1;

// The items of the menu that do something.
enum class MenuItem : std::uint8_t { EncryptTxt, DecryptTxt, CopyToClipboard, Exit1 };

// A message box's style: OK only, with a critical-stop or an information
// icon; the values are the desktop's own.
enum class MessageStyle : std::uint8_t { Critical = 16, Information = 64 };

// The window's outer place and size, in twips.
struct WindowGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // The whole text of a text box, the shown text of a list, a label's
    // caption. Text1's line breaks come as the box keeps them.
    virtual std::u16string text(Control control) const = 0;
    // Replaces it; for a list, `text` must be one of its items. Text1 takes
    // line breaks as CR LF, and the replacement is one undo step.
    virtual void setText(Control control, std::u16string_view text) = 0;
    // Adds an item at the end of a list.
    virtual void addItem(Control list, std::u16string_view item) = 0;
    virtual void showLabel(Control label, bool visible) = 0;
    virtual void enableItem(MenuItem item, bool enabled) = 0;
    // While locked the boxes take no edit and the lists no choice; unlocking
    // gives the focus back to the control that had it.
    virtual void setLocked(bool locked) = 0;

    virtual WindowGeometry windowGeometry() const = 0;
    // The window takes what it can of `geometry`; it may refuse a move.
    virtual void setWindowGeometry(const WindowGeometry& geometry) = 0;
    // The width of the screen the window is on, in twips.
    virtual int screenWidth() const = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box with an OK button only; returns when it is closed.
    virtual void messageBox(std::u16string_view prompt, MessageStyle style,
                            std::u16string_view title) = 0;
    virtual void beep() = 0;
    // Busy (the hourglass) or the default pointer; busy does not stack.
    virtual void setBusyPointer(bool busy) = 0;
    // Handles the pending window events once and returns.
    virtual void processEventsOnce() = 0;
    // Empties the clipboard and puts `text` on it as plain text, kept out of
    // clipboard histories where the desktop lets it. True only when reading
    // the clipboard back gives exactly `text`.
    virtual bool setClipboardText(std::u16string_view text) = 0;
    // Ends the program with `status` once control is back in the main event
    // loop; the window runs no further handler after calling it.
    virtual void endProgram(int status) = 0;
};

}  // namespace velk::ui
