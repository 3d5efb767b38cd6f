// The real desktop, offscreen: pointer, clipboard, and the closing slide over
// a real window in each state it can be in.
#include "qt/qt_desktop.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QImage>
#include <QMimeData>
#include <QTimer>

#include "qt/main_window.h"
#include "ui/form1.h"

namespace velk::qt::testing {
namespace {

TEST(QtDesktop, BusyPointerDoesNotStack) {
    QtDesktop desktop;
    desktop.setBusyPointer(true);
    desktop.setBusyPointer(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop.setBusyPointer(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The text goes out marked secret for clipboard managers.
TEST(QtDesktop, ClipboardTextReplacesWhateverItHeldAndIsReadBack) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(image);
    QtDesktop desktop;
    EXPECT_TRUE(desktop.setClipboardText(u"two\nlines \u00A0\u20AC"));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("two\nlines \u00A0\u20AC"));
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("x-kde-passwordManagerHint"),
              "secret");
    EXPECT_TRUE(desktop.setClipboardText(u""));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

// A run's status line is painted in this round: what waits is handled.
TEST(QtDesktop, ProcessEventsOnceHandlesWhatWaits) {
    QtDesktop desktop;
    bool handled = false;
    QTimer::singleShot(0, [&handled] { handled = true; });
    desktop.processEventsOnce();
    EXPECT_TRUE(handled);
}

class ExitFromWindowStateTest : public ::testing::TestWithParam<Qt::WindowState> {};

// The slide runs on whatever frame the platform gives, and the program's
// event loop ends with status 0.
TEST_P(ExitFromWindowStateTest, SlideEndsAndTheProgramEndsWithStatusZero) {
    QtDesktop desktop;
    MainWindow window(ui::SecondEdition());
    desktop.SetOwner(&window);
    ui::Form1 form(window, desktop);
    window.Attach(form);
    window.show();
    window.setWindowState(GetParam());
    QApplication::processEvents();
    const QRect start = window.frameGeometry();
    QTimer::singleShot(0, &window, [&window] { window.findChild<QAction*>("Exit1")->trigger(); });
    QTimer::singleShot(60'000, [] { QCoreApplication::exit(99); });  // against a hang only
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(form.IsEnding());
    EXPECT_NE(window.frameGeometry(), start);
    if (GetParam() == Qt::WindowNoState) {
        const QRect end = window.frameGeometry();
        EXPECT_GT(end.top(), start.top());
        EXPECT_EQ(end.left() - start.left(), end.top() - start.top());
        EXPECT_LT(end.width(), start.width());
    }
}

INSTANTIATE_TEST_SUITE_P(States, ExitFromWindowStateTest,
                         ::testing::Values(Qt::WindowNoState, Qt::WindowMinimized,
                                           Qt::WindowMaximized));

}  // namespace
}  // namespace velk::qt::testing
