// The desktop of the running program, over Qt.
#pragma once

#include "ui/desktop.h"

namespace velk::ui {

class QtDesktop final : public Desktop {
public:
    QtDesktop() = default;
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    void messageBox(QWidget* parent, const QString& text, const QString& title,
                    MessageIcon icon) override;
    void beep() override;
    void setBusyPointer() override;
    void restorePointer() override;
    void processEventsOnce() override;
    bool setClipboardText(const QString& text) override;
    std::unique_ptr<SlideFrame> slideFrame(QWidget& window) override;
    void endProgram(int status) override;

private:
    bool busy_ = false;  // this desktop's override cursor is on the stack
};

}  // namespace velk::ui
