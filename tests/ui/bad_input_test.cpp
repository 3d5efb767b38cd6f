// Input a user can produce that must end in a clear outcome with nothing
// lost: PINs pasted with blanks or other digits, digits from an input
// method, a 10 MB paste, a clipboard without text, and the program ended
// from a minimised or maximised window.
#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "tests/ui/window_fixture.h"
#include "ui/qt_desktop.h"

namespace velk::ui::testing {
namespace {

const std::array<QString, 4> DefaultKeys{"01", "02", "03", "04"};

// ---- PIN box ---------------------------------------------------------------

struct PastedPin {
    const char* name;
    QString clipboard;
    QString kept;  // what the PIN box holds after the paste
};

class PastedPinTest : public WindowTest, public ::testing::WithParamInterface<PastedPin> {};

// The box takes a paste whole or not at all; a run then either works with
// the digits taken or says the PIN is missing, and the text is never lost.
TEST_P(PastedPinTest, BoxTakesOnlyAsciiDigitsAndTheRunSaysWhatIsMissing) {
    const PastedPin& pasted = GetParam();
    SetBoxContents("plain text");
    QGuiApplication::clipboard()->setText(pasted.clipboard);
    Pin().paste();
    EXPECT_EQ(Pin().text(), pasted.kept);

    Action("EncryptTxt").trigger();
    if (pasted.kept.isEmpty()) {
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].text, "Enter Pin");
        EXPECT_EQ(BoxContents(), "plain text");
    } else {
        EXPECT_TRUE(desktop.messages.empty());
        EXPECT_EQ(BoxContents(), EngineRun("plain text", pasted.kept, DefaultKeys, 1, true));
    }
}

INSTANTIATE_TEST_SUITE_P(
    BlanksAndOtherDigits, PastedPinTest,
    ::testing::Values(
        PastedPin{"BlankInside", "1234 5678", ""}, PastedPin{"LeadingBlank", " 12345678", ""},
        PastedPin{"TabInside", "1234\t5678", ""},
        PastedPin{"NoBreakSpaceInside", QString::fromUtf8("1234\u00A05678"), ""},
        PastedPin{"FullWidthDigits",
                  QString::fromUtf8("\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16\uFF17\uFF18"), ""},
        PastedPin{"ArabicIndicDigits",
                  QString::fromUtf8("\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668"), ""},
        // The box keeps its first eight characters, so what follows them is
        // cut off before the digits are checked.
        PastedPin{"TrailingBlank", "12345678 ", "12345678"},
        PastedPin{"TrailingLineBreak", "12345678\n", "12345678"}),
    [](const ::testing::TestParamInfo<PastedPin>& pin) { return std::string(pin.param.name); });

TEST_F(WindowTest, PinRefusesDigitsOutsideAsciiFromAnInputMethod) {
    // An input method commits text without key presses, past the key filter.
    for (const char* digits : {"\u0661\u0662\u0663\u0664", "\uFF11\uFF12\uFF13\uFF14"}) {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(digits));
        QApplication::sendEvent(&Pin(), &commit);
        EXPECT_TRUE(Pin().text().isEmpty()) << digits;
    }
    QInputMethodEvent commit;
    commit.setCommitString("1234");
    QApplication::sendEvent(&Pin(), &commit);
    EXPECT_EQ(Pin().text(), "1234");
}

// ---- Clipboard without text -----------------------------------------------

TEST_F(WindowTest, PastingFromAClipboardWithoutTextChangesNothingAndCopyWorks) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    EnterRun("keep me", "1234");
    for (const bool holdsImage : {true, false}) {
        SCOPED_TRACE(holdsImage ? "image" : "nothing");
        if (holdsImage) {
            QGuiApplication::clipboard()->setImage(image);
        } else {
            QGuiApplication::clipboard()->clear();
        }
        // Pasted over a selection, by shortcut and by the box's own command.
        Text1().selectAll();
        QTest::keyClick(&Text1(), Qt::Key_V, Qt::ControlModifier);
        Text1().paste();
        EXPECT_EQ(BoxContents(), "keep me");
        Pin().selectAll();
        QTest::keyClick(&Pin(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Pin().text(), "1234");
        // The PIN box's menu offers no paste then.
        const std::unique_ptr<QMenu> menu(Pin().createStandardContextMenu());
        const QList<QAction*> items = menu->actions();
        const auto paste = std::find_if(items.begin(), items.end(), [](const QAction* item) {
            return item->text().startsWith("&Paste");
        });
        ASSERT_NE(paste, items.end());
        EXPECT_FALSE((*paste)->isEnabled());
    }
    EXPECT_EQ(desktop.beeps, 2);  // the refused paste shortcuts

    Action("CopyToClipboard").setEnabled(true);
    Action("CopyToClipboard").trigger();
    EXPECT_EQ(desktop.clipboard, "keep me");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, text::Copied);
}

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
