// The classic edition's window: what sets it apart from the second edition's
// (caption, layout, no key pickers, its refusal title, its fixed keys).
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "classic/form1.h"
#include "tests/classic/classic_runs.h"
#include "tests/ui/recording_desktop.h"
#include "ui/text_box_holder.h"

namespace velk::classic::testing {
namespace {

using ui::MessageIcon;
using ui::testing::RecordingDesktop;

// One classic window over a recording desktop.
struct ClassicWindow {
    RecordingDesktop desktop;
    std::unique_ptr<Form1> window = std::make_unique<Form1>(desktop);

    template <class T>
    T& Find(const char* name) const {
        if (T* found = window->findChild<T*>(QString::fromLatin1(name))) {
            return *found;
        }
        throw std::runtime_error(std::string("no control ") + name);
    }
    QLineEdit& Pin() const { return Find<QLineEdit>("txtKey"); }
    QPlainTextEdit& Text1() const { return Find<QPlainTextEdit>("Text1"); }
    QComboBox& Combo1() const { return Find<QComboBox>("Combo1"); }
    QLabel& Label3() const { return Find<QLabel>("Label3"); }
    QAction& Action(const char* name) const { return Find<QAction>(name); }
    QString Box() const { return ui::BoxText(Text1()); }

    // Fills in a run's input and chooses `command` from the menu.
    void RunCommand(const char* command, const QString& text, const QString& pin,
                    const QString& passes = "01") const {
        Text1().setPlainText(text);
        Pin().setText(pin);
        Combo1().setCurrentText(passes);
        Action(command).trigger();
    }
};

class ClassicWindowTest : public ::testing::Test, protected ClassicWindow {};

// Label3's place, 45,45 twips wide 3495 and high 375, in pixels.
const QRect StatusPlace(3, 3, 233, 25);

TEST_F(ClassicWindowTest, StartsWithItsOwnCaptionSizeAndToolTipAndNoPickers) {
    EXPECT_EQ(window->windowTitle(), "Velk Encrypt Decrypt");
    EXPECT_EQ(window->centralWidget()->size(), QSize(609, 285));  // 9135 x 4275 twips
    EXPECT_EQ(Combo1().count(), 256);
    EXPECT_EQ(Combo1().currentText(), "01");
    EXPECT_FALSE(Action("CopyToClipboard").isEnabled());
    EXPECT_EQ(Pin().toolTip(), "Enter Pin   8) ");
    EXPECT_EQ(window->focusWidget(), &Pin());
    EXPECT_TRUE(Label3().isHidden());
    EXPECT_EQ(Label3().geometry(), StatusPlace);
    EXPECT_EQ(Text1().geometry(), QRect(3, 32, 601, 241));  // 50, 480, 9015, 3615 twips
    for (const char* picker : {"Kk1", "Kk2", "Kk3", "Kk4"}) {
        EXPECT_EQ(window->findChild<QObject*>(picker), nullptr) << picker;
    }
}

TEST_F(ClassicWindowTest, TabGoesFromPinToTextToPassCountAndBack) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Pin().setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"txtKey", "Text1", "Combo1", "txtKey"}));
}

// ---- Refusals ----------------------------------------------------------------

struct Refusal {
    const char* name;
    const char* pin;
    QString message;
};
void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.name;
}

class ClassicRefusal : public ClassicWindowTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ClassicRefusal, CarriesTheClassicTitleAndChangesNothing) {
    for (const char* command : {"EncryptTxt", "DecryptTxt"}) {
        desktop.messages.clear();
        RunCommand(command, "plain text", GetParam().pin);
        ASSERT_EQ(desktop.messages.size(), 1u) << command;
        EXPECT_EQ(desktop.messages[0].text, GetParam().message);
        EXPECT_EQ(desktop.messages[0].title, " Velk Encrypt Decrypt");
        EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(Box(), "plain text");
    EXPECT_EQ(desktop.eventRounds, 0);
    EXPECT_FALSE(Action("CopyToClipboard").isEnabled());
}

// With no key pickers nothing is checked before the PIN's length.
INSTANTIATE_TEST_SUITE_P(PinChecks, ClassicRefusal,
                         ::testing::Values(Refusal{"EmptyPin", "", "Enter Pin"},
                                           Refusal{"SevenDigits", "1234567",
                                                   "Enter Pin 8 Numbers"}),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- Runs --------------------------------------------------------------------

TEST_F(ClassicWindowTest, StatusShowsTopLeftDuringEveryPass) {
    window->show();
    int rounds = 0;
    desktop.onProcessEvents = [&] {
        ++rounds;
        EXPECT_TRUE(Label3().isVisible());
        EXPECT_EQ(Label3().text(), "Please Wait Working On Txt");
        EXPECT_EQ(Label3().geometry(), StatusPlace);
        EXPECT_EQ(Label3().mapTo(window->centralWidget(), QPoint(0, 0)), QPoint(3, 3));
    };
    RunCommand("EncryptTxt", "some text", "12345678", "02");
    EXPECT_EQ(rounds, 2);
    EXPECT_TRUE(Label3().isHidden());
}

TEST_F(ClassicWindowTest, RunGivesTheFixedKeysResultAndReversalBringsTheTextBack) {
    // Line feeds only: the box turns CR LF into LF.
    const QString plain = QString::fromUtf8(
        "Meet me at 10\n\tby the \"old\" gate \u00AC\u00A3\u20AC\u00BF\u00A7\u00D8!");
    RunCommand("EncryptTxt", plain, "04729913", "03");
    EXPECT_EQ(Box().toStdU16String(),
              ClassicRun(Direction::Forward, plain.toStdU16String(), u"04729913", 3));
    EXPECT_NE(Box(), plain);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(Action("CopyToClipboard").isEnabled());

    Action("DecryptTxt").trigger();
    EXPECT_EQ(Box(), plain);
}

TEST(ClassicWindowStarts, EveryStartGivesTheSameCiphertext) {
    ClassicWindow first;
    first.RunCommand("EncryptTxt", "Attack at dawn!", "12345678");
    ClassicWindow second;  // started after the first one's run
    second.RunCommand("EncryptTxt", "Attack at dawn!", "12345678");
    EXPECT_EQ(second.Box(), first.Box());
    EXPECT_EQ(first.Box(), QString::fromStdU16String(u"/'nIlbB\u00ACk)lxnq!"));  // a known answer
}

TEST_F(ClassicWindowTest, CopyConfirmsWithTheTitleBothEditionsShare) {
    RunCommand("EncryptTxt", "line one\nline two", "12345678");
    Action("CopyToClipboard").trigger();
    EXPECT_EQ(desktop.clipboard, Box());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, " Velk Encrypt Decrypt ");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace velk::classic::testing
