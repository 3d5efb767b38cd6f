// Input a user can produce that must end in a clear outcome with nothing
// lost: a clipboard holding an image, a 10 MB paste, and the program ended
// from a minimised or maximised window.

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTimer>

#include "tests/ui/window_fixture.h"
#include "ui/qt_desktop.h"

namespace velk::ui::testing {
namespace {

// ---- Clipboard -------------------------------------------------------------

TEST(QtDesktopClipboard, TextReplacesAnImage) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(image);
    QtDesktop desktop;
    EXPECT_TRUE(desktop.setClipboardText("copied"));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->hasImage());
    EXPECT_EQ(data->text(), "copied");
}

// ---- A 10 MB paste ---------------------------------------------------------

TEST_F(WindowTest, TenMegabytePasteIsKeptWholeAndRefusedAsTooLong) {
    // Lines of 80 units, some of them outside ASCII, 10,000,000 units in all.
    const QString line =
        QString::fromUtf8("The quick brown fox \u00A0jumps over the lazy dog \u20AC ")
            .leftJustified(79, QChar('.')) +
        QChar('\n');
    const QString big = line.repeated(10'000'000 / line.size());
    ASSERT_EQ(big.size(), 10'000'000);
    QGuiApplication::clipboard()->setText(big);
    Pin().setText("12345678");
    Text1().setFocus();
    Text1().paste();
    ASSERT_EQ(BoxContents(), big);

    for (const char* command : {"EncryptTxt", "DecryptTxt"}) {
        desktop.messages.clear();
        Action(command).trigger();
        ASSERT_EQ(desktop.messages.size(), 1u) << command;
        EXPECT_EQ(desktop.messages[0].text,
                  "The Txt Is Too Long: At Most 32766 Characters Can Be Worked On");
    }
    EXPECT_EQ(desktop.eventRounds, 0);
    EXPECT_FALSE(Action("CopyToClipboard").isEnabled());
    EXPECT_EQ(BoxContents(), big);
}

// ---- Ending from a minimised or maximised window ----------------------------

class ExitFromWindowStateTest : public ::testing::TestWithParam<Qt::WindowState> {};

// Over the real desktop: the slide runs on whatever frame the platform gives
// and the program's event loop ends with status 0.
TEST_P(ExitFromWindowStateTest, SlideEndsAndTheProgramEndsWithStatusZero) {
    QtDesktop desktop;
    Form1 window(desktop);
    window.show();
    window.setWindowState(GetParam());
    QApplication::processEvents();
    const QRect start = window.frameGeometry();
    QTimer::singleShot(0, &window, [&window] { window.findChild<QAction*>("Exit1")->trigger(); });
    // Only a guard against a hang; the slide itself stops within seconds.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(60'000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(window.IsEnding());
    EXPECT_NE(window.frameGeometry(), start);
}

INSTANTIATE_TEST_SUITE_P(MinimisedOrMaximised, ExitFromWindowStateTest,
                         ::testing::Values(Qt::WindowMinimized, Qt::WindowMaximized),
                         [](const ::testing::TestParamInfo<Qt::WindowState>& state) {
                             return state.param == Qt::WindowMinimized ? std::string("Minimised")
                                                                       : std::string("Maximised");
                         });

}  // namespace
}  // namespace velk::ui::testing
