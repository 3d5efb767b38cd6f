// A window and a desktop that record what the window logic asks of them,
// and a form of an edition over them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/cipher_window.h"
#include "ui/port.h"

namespace velk::ui::testing {

class FakeWindow final : public WindowPort {
public:
    std::map<Control, std::u16string> texts;
    std::map<Control, std::vector<std::u16string>> items;
    std::map<Control, bool> visible;
    std::array<bool, 4> enabled{true, true, true, true};  // by MenuItem
    bool locked = false;
    int text1Writes = 0;
    // Starts at Left 3000, Top 3000, 9255 by 5400 on a screen 19200 wide,
    // and keeps at least 1800 by 450.
    WindowGeometry frame{3000, 3000, 9255, 5400};
    int screen = 19200;
    bool refuseMoves = false;
    int maxMove = 1 << 30;  // twips a move may take Left and Top at most

    bool Enabled(MenuItem item) const { return enabled[static_cast<std::size_t>(item)]; }

    std::u16string text(Control control) const override {
        const auto found = texts.find(control);
        return found != texts.end() ? found->second : std::u16string();
    }
    void setText(Control control, std::u16string_view text) override {
        if (const auto list = items.find(control); list != items.end()) {
            EXPECT_NE(std::ranges::find(list->second, text), list->second.end());
        }
        text1Writes += control == Control::Text1 ? 1 : 0;
        texts[control] = text;
    }
    void addItem(Control list, std::u16string_view item) override {
        items[list].emplace_back(item);
    }
    void showLabel(Control label, bool shown) override { visible[label] = shown; }
    void enableItem(MenuItem item, bool on) override {
        enabled[static_cast<std::size_t>(item)] = on;
    }
    void setLocked(bool on) override { locked = on; }
    WindowGeometry windowGeometry() const override { return frame; }
    void setWindowGeometry(const WindowGeometry& g) override {
        if (!refuseMoves) {
            frame.left = std::min(g.left, frame.left + maxMove);
            frame.top = std::min(g.top, frame.top + maxMove);
        }
        frame.width = std::max(g.width, 1800);
        frame.height = std::max(g.height, 450);
    }
    int screenWidth() const override { return screen; }
};

struct ShownMessage {
    std::u16string prompt;
    MessageStyle style;
    std::u16string title;
};

class RecordingDesktop final : public Desktop {
public:
    std::vector<ShownMessage> messages;
    int beeps = 0;
    bool busy = false;
    int busyCalls = 0;
    int eventRounds = 0;
    std::function<void()> onProcessEvents;  // runs inside processEventsOnce
    std::u16string clipboard;
    bool clipboardFails = false;  // reading back gives something else
    std::vector<int> endStatuses;

    void messageBox(std::u16string_view prompt, MessageStyle style,
                    std::u16string_view title) override {
        messages.push_back({std::u16string(prompt), style, std::u16string(title)});
    }
    void beep() override { ++beeps; }
    void setBusyPointer(bool on) override {
        busyCalls += on ? 1 : 0;
        busy = on;
    }
    void processEventsOnce() override {
        ++eventRounds;
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    bool setClipboardText(std::u16string_view text) override {
        clipboard = clipboardFails ? std::u16string() : std::u16string(text);
        return !clipboardFails;
    }
    void endProgram(int status) override { endStatuses.push_back(status); }
};

// A form of an edition over a fake window and a recording desktop.
template <class Form>
class FormTestOf : public ::testing::Test {
protected:
    FakeWindow window;
    RecordingDesktop desktop;
    std::unique_ptr<Form> form = std::make_unique<Form>(window, desktop);

    // The input of a run, then `command`.
    void Run(void (CipherWindow::*command)(), std::u16string_view text, std::u16string_view pin,
             std::u16string_view passes = u"01") {
        window.texts[Control::Text1] = text;
        window.texts[Control::txtKey] = pin;
        window.texts[Control::Combo1] = passes;
        (form.get()->*command)();
    }
    std::u16string Box() const { return window.text(Control::Text1); }
};

}  // namespace velk::ui::testing
