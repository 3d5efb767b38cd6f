// The closing slide over a recorded frame and over a real offscreen window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>

#include "tests/ui/recording_desktop.h"
#include "ui/closing_slide.h"
#include "ui/form1.h"
#include "ui/qt_desktop.h"

namespace velk::ui::testing {
namespace {

TEST(ClosingSlide, EachCycleMovesThirtyAndShrinksSixty) {
    FakeFrame frame;
    frame.top = 19000;
    frame.left = 100;
    RecordingFrame recorded(frame);
    EXPECT_EQ(RunClosingSlide(recorded), 7);  // 19000 + 7 * 30 = 19210 > 19200
    EXPECT_EQ(frame.top, 19210);
    EXPECT_EQ(frame.left, 310);
    EXPECT_EQ(frame.width, 9255 - 7 * 60);
    EXPECT_EQ(frame.height, 5400 - 7 * 60);
    EXPECT_EQ(frame.changesShown, 7);
}

TEST(ClosingSlide, StopsOnlyOnceTopPassesTheScreenWidth) {
    FakeFrame frame;
    frame.top = 19200 - 30;
    RecordingFrame recorded(frame);
    EXPECT_EQ(RunClosingSlide(recorded), 2);  // Top equal to the width is not beyond it
}

TEST(ClosingSlide, RunsOneCycleWhenAlreadyBeyondTheBound) {
    FakeFrame frame;
    frame.top = 30000;
    RecordingFrame recorded(frame);
    EXPECT_EQ(RunClosingSlide(recorded), 1);
    EXPECT_EQ(frame.top, 30030);
}

TEST(ClosingSlide, KeepsDriftingAtTheSmallestSize) {
    FakeFrame frame;
    frame.top = 0;
    RecordingFrame recorded(frame);
    EXPECT_EQ(RunClosingSlide(recorded), 641);
    EXPECT_EQ(frame.width, 1800);
    EXPECT_EQ(frame.height, 450);
}

TEST(ClosingSlide, EndsWhenThePlatformRefusesTheMove) {
    FakeFrame frame;
    frame.refuseMoves = true;
    RecordingFrame recorded(frame);
    EXPECT_EQ(RunClosingSlide(recorded), 1);
    EXPECT_EQ(frame.top, 3000);
}

TEST(ClosingSlide, EndsWhenTimeIsUp) {
    FakeFrame frame;
    frame.top = 0;
    frame.timeChecksLeft = 10;
    RecordingFrame recorded(frame);
    EXPECT_EQ(RunClosingSlide(recorded), 11);
}

TEST(ClosingSlide, RealWindowDriftsOutOfTheScreen) {
    QtDesktop desktop;
    Form1 window(desktop);
    window.show();
    const QPoint start = window.frameGeometry().topLeft();
    const QSize size = window.size();
    window.Exit1_Click();
    const QRect end = window.frameGeometry();
    EXPECT_GT(end.top(), start.y());
    EXPECT_EQ(end.left() - start.x(), end.top() - start.y());
    EXPECT_LT(window.width(), size.width());
    EXPECT_TRUE(window.IsEnding());
}

// ---- The Qt desktop --------------------------------------------------------

TEST(QtDesktop, BusyPointerDoesNotStack) {
    QtDesktop desktop;
    desktop.setBusyPointer();
    desktop.setBusyPointer();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop.restorePointer();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    desktop.restorePointer();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtDesktop, LongRunInTheRealWindowLeavesNoOverrideCursor) {
    QtDesktop desktop;
    Form1 window(desktop);
    window.findChild<QLineEdit*>("txtKey")->setText("12345678");
    window.findChild<QComboBox*>("Combo1")->setCurrentText("256");
    window.findChild<QPlainTextEdit*>("Text1")->setPlainText("pointer");
    window.EncryptTxt_Click();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_NE(window.findChild<QPlainTextEdit*>("Text1")->toPlainText(), "pointer");
}

TEST(QtDesktop, ClipboardIsReadBack) {
    QtDesktop desktop;
    const QString text = QString::fromUtf8("two\nlines \u00A0\u20AC");
    EXPECT_TRUE(desktop.setClipboardText(text));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_TRUE(desktop.setClipboardText(QString()));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

}  // namespace
}  // namespace velk::ui::testing
