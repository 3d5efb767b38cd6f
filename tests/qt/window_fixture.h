// A window of either edition as Qt widgets, its form attached, over a
// recording desktop; its controls by name.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "qt/main_window.h"
#include "qt/text_box.h"
#include "tests/ui/fake_port.h"

namespace velk::qt::testing {

using ui::testing::RecordingDesktop;

// Form is a form of an edition; Edition gives that edition.
template <class Form, const ui::Edition& (*Edition)()>
class WindowTestOf : public ::testing::Test {
protected:
    RecordingDesktop desktop;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(Edition());
    std::unique_ptr<Form> form = Attached();

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

private:
    std::unique_ptr<Form> Attached() {
        auto made = std::make_unique<Form>(*window, desktop);
        window->Attach(*made);
        return made;
    }
};

}  // namespace velk::qt::testing
