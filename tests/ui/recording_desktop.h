// A desktop that records what the window would show and do.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "ui/closing_slide.h"
#include "ui/desktop.h"

namespace velk::ui::testing {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
};

// A window frame in twips that takes every change, or refuses moves.
struct FakeFrame {
    int left = 3000;
    int top = 3000;
    int width = 9255;
    int height = 5400;
    int screenWidth = 19200;
    bool refuseMoves = false;
    int timeChecksLeft = 1'000'000;  // timeIsUp() turns true after this many calls
    int changesShown = 0;
};

class RecordingFrame final : public SlideFrame {
public:
    explicit RecordingFrame(FakeFrame& f) : f_(f) {}
    int left() const override { return f_.left; }
    int top() const override { return f_.top; }
    int width() const override { return f_.width; }
    int height() const override { return f_.height; }
    void setLeft(int twips) override { f_.left = f_.refuseMoves ? f_.left : twips; }
    void setTop(int twips) override { f_.top = f_.refuseMoves ? f_.top : twips; }
    void setWidth(int twips) override { f_.width = std::max(twips, 1800); }
    void setHeight(int twips) override { f_.height = std::max(twips, 450); }
    int screenWidth() const override { return f_.screenWidth; }
    void showChanges() override { ++f_.changesShown; }
    bool timeIsUp() const override { return --f_.timeChecksLeft < 0; }

private:
    FakeFrame& f_;
};

class RecordingDesktop final : public Desktop {
public:
    std::vector<ShownMessage> messages;
    int beeps = 0;
    bool busy = false;
    int busyCalls = 0;
    int eventRounds = 0;
    std::function<void()> onProcessEvents;  // runs inside processEventsOnce
    QString clipboard;
    bool clipboardFails = false;  // reading back gives something else
    std::vector<int> endStatuses;
    int slidesStarted = 0;
    FakeFrame frame;

    void messageBox(QWidget*, const QString& text, const QString& title,
                    MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    void beep() override { ++beeps; }
    void setBusyPointer() override { busy = ++busyCalls > 0; }
    void restorePointer() override { busy = false; }
    void processEventsOnce() override {
        ++eventRounds;
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    bool setClipboardText(const QString& text) override {
        clipboard = clipboardFails ? QString() : text;
        return !clipboardFails;
    }
    std::unique_ptr<SlideFrame> slideFrame(QWidget&) override {
        ++slidesStarted;
        return std::make_unique<RecordingFrame>(frame);
    }
    void endProgram(int status) override { endStatuses.push_back(status); }
};

}  // namespace velk::ui::testing
