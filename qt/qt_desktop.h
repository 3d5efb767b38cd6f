// The desktop of the running program, over Qt.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/port.h"

namespace velk::qt {

class QtDesktop final : public ui::Desktop {
public:
    QtDesktop() = default;
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    // The window message boxes are modal to.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void messageBox(std::u16string_view prompt, ui::MessageStyle style,
                    std::u16string_view title) override;
    void beep() override;
    void setBusyPointer(bool busy) override;
    void processEventsOnce() override;
    bool setClipboardText(std::u16string_view text) override;
    void endProgram(int status) override;

private:
    QPointer<QWidget> owner_;
    bool busy_ = false;  // this desktop's override cursor is on the stack
};

}  // namespace velk::qt
