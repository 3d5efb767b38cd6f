// A window of either edition over a recording desktop, its controls by name,
// and what the engine alone makes of a text.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "engine/line_breaks.h"
#include "tests/support/test_data.h"
#include "tests/ui/recording_desktop.h"
#include "ui/form1.h"
#include "ui/text_box_holder.h"

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace velk::ui::testing {

template <class Window>
class WindowTestOf : public ::testing::Test {
protected:
    RecordingDesktop desktop;
    std::unique_ptr<Window> window = std::make_unique<Window>(desktop);

    template <class T>
    T& Find(const QString& name) const {
        T* found = window->template findChild<T*>(name);
        return found != nullptr ? *found : throw std::runtime_error("no " + name.toStdString());
    }
    QLineEdit& Pin() const { return Find<QLineEdit>("txtKey"); }
    QPlainTextEdit& Text1() const { return Find<QPlainTextEdit>("Text1"); }
    QComboBox& List(const QString& name) const { return Find<QComboBox>(name); }
    QAction& Action(const QString& name) const { return Find<QAction>(name); }
    QLabel& Label(const QString& name) const { return Find<QLabel>(name); }
    QString Box() const { return BoxText(Text1()); }

    // The names of the control the shown and active window starts in, then
    // of each one `steps` presses of Tab visit.
    QStringList TabOrder(int steps) {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            ADD_FAILURE() << "the window did not become active";
            return {};
        }
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    }

    // The input of a run, then `command` chosen from the menu.
    void RunCommand(const char* command, const QString& text, const QString& pin,
                    const QString& passes = "01") {
        Text1().setPlainText(text);
        Pin().setText(pin);
        List("Combo1").setCurrentText(passes);
        Action(command).trigger();
    }
};

using WindowTest = WindowTestOf<Form1>;

// What the engine alone makes of the text a box holds (with LF line breaks)
// with library keys or a fixed set: the passes see CR LF, the box shows LF.
template <class Keys>
QString EngineRun(test::Direction direction, const QString& text, const QString& pin,
                  const Keys& keys, int passes) {
    return QString::fromStdU16String(test::RunPasses(direction, ToCrLf(text.toStdU16String()).text,
                                                     pin.toStdU16String(), keys, passes))
        .replace("\r\n", "\n");
}

}  // namespace velk::ui::testing
