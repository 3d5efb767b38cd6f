// The second edition's window: start state, PIN filter, refusals and runs.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>

#include "tests/ui/window_fixture.h"

namespace velk::ui::testing {
namespace {

const std::array<QString, 4> DefaultKeys{"01", "02", "03", "04"};
// The six Alphabet characters outside ASCII.
const QString AlphabetExtras = QString::fromUtf8("\u00AC\u00A3\u20AC\u00BF\u00A7\u00D8");

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items << list.itemText(i);
    }
    return items;
}

// ---- Start state and layout ------------------------------------------------

TEST_F(WindowTest, StartsWithDefaultsAndCopyDisabled) {
    EXPECT_EQ(window->windowTitle(), "Velk Encrypt Decrypt V2");
    EXPECT_EQ(window->windowIcon().availableSizes(), QList<QSize>{QSize(24, 24)});
    EXPECT_EQ(List("Combo1").currentText(), "01");
    EXPECT_EQ(List("Kk1").currentText(), "01");
    EXPECT_EQ(List("Kk2").currentText(), "02");
    EXPECT_EQ(List("Kk3").currentText(), "03");
    EXPECT_EQ(List("Kk4").currentText(), "04");
    EXPECT_TRUE(BoxContents().isEmpty());
    EXPECT_TRUE(Pin().text().isEmpty());
    EXPECT_FALSE(Action("CopyToClipboard").isEnabled());
    EXPECT_TRUE(Label("Label3").isHidden());
    EXPECT_EQ(Pin().maxLength(), 8);
    EXPECT_EQ(window->focusWidget(), &Pin());
    // Text2 is a buffer, not a control.
    EXPECT_EQ(window->findChild<QWidget*>("Text2"), nullptr);
}

TEST_F(WindowTest, ListsOfferExactlyTheirItemsInOrder) {
    const QStringList counts = Items(List("Combo1"));
    ASSERT_EQ(counts.size(), 256);
    EXPECT_EQ(counts[0], "01");
    EXPECT_EQ(counts[8], "09");
    EXPECT_EQ(counts[9], "10");
    EXPECT_EQ(counts[99], "100");
    EXPECT_EQ(counts[255], "256");
    EXPECT_FALSE(List("Combo1").isEditable());
    for (const char* name : {"Kk1", "Kk2", "Kk3", "Kk4"}) {
        const QStringList keys = Items(List(name));
        ASSERT_EQ(keys.size(), 99) << name;
        EXPECT_EQ(keys.front(), "01");
        EXPECT_EQ(keys.back(), "99");
        EXPECT_FALSE(keys.contains("00"));
        EXPECT_FALSE(List(name).isEditable());
    }
}

TEST_F(WindowTest, MenuHoldsEightItemsWithVisibleSeparatorsAndNoShortcuts) {
    const QMenu& menu = Find<QMenu>("EncryptDecrypt");
    EXPECT_EQ(menu.title(), "&Encrypt Decrypt");
    EXPECT_FALSE(menu.separatorsCollapsible());
    const QStringList names{"Space1",          "EncryptTxt", "DecryptTxt", "Space3",
                            "CopyToClipboard", "Space",      "Exit1",      "Space2"};
    const QStringList captions{"",
                               "&Encrypt Or Decrypt Txt ",
                               "&Decrypt Or Encrypt Txt ",
                               "",
                               "&Copy To Clipboard",
                               "",
                               "&Exit",
                               ""};
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(actions[i]->objectName(), names[i]);
        EXPECT_EQ(actions[i]->isSeparator(), captions[i].isEmpty()) << i;
        if (!actions[i]->isSeparator()) {
            EXPECT_EQ(actions[i]->text(), captions[i]);
        }
        EXPECT_TRUE(actions[i]->shortcut().isEmpty());
    }
    // Not collapsed away, and tall enough to show beside the menu's frame.
    EXPECT_GE(menu.actionGeometry(actions.front()).height(), 5);
    EXPECT_GE(menu.actionGeometry(actions.back()).height(), 5);
}

TEST_F(WindowTest, ClientAreaAndControlsSitAtTheirTwipsPlaces) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(609, 302));
    EXPECT_EQ(Pin().geometry(), QRect(296, 3, 63, 22));
    EXPECT_EQ(Text1().geometry(), QRect(0, 30, 601, 241));
    EXPECT_EQ(Label("Label2").geometry(), QRect(-8, 280, 617, 17));
    EXPECT_EQ(List("Kk4").geometry(), QRect(163, 3, 40, 21));
    EXPECT_EQ(Pin().toolTip(), "Enter Pin   (8)");
    EXPECT_EQ(List("Kk1").toolTip(), " Pick  Key 01 ");
    EXPECT_FALSE(Label("Label2").toolTip().isEmpty());
}

// The window tests draw with the fonts the package depends on and nothing
// else (test_main.cpp). Without them Qt falls back to a wider face such as
// DejaVu Sans, and this test fails: the captions run past their labels'
// right edges, and "Number Of Times" shows as "Number Of Time:".
TEST_F(WindowTest, EveryCaptionFitsInTheDeclaredFonts) {
    Label("Label3").setText("Please Wait Working On Txt");
    const int clientHeight = window->centralWidget()->height();
    for (const char* name : {"Label1", "Label3", "Label4"}) {
        const QLabel& label = Label(name);
        EXPECT_EQ(QFontInfo(label.font()).family(), "Liberation Sans") << name;
        const QFontMetrics metrics(label.font());
        // The ink of the caption, drawn from the label's top-left corner.
        const QRect ink = metrics.tightBoundingRect(label.text()).translated(0, metrics.ascent());
        EXPECT_GE(ink.left(), 0) << name;
        EXPECT_GE(ink.top(), 0) << name;
        EXPECT_LT(ink.right(), label.width()) << name;
        EXPECT_LT(ink.bottom(), label.height()) << name;
        EXPECT_LT(label.y() + ink.bottom(), clientHeight) << name;
    }
    EXPECT_EQ(QFontInfo(Pin().font()).family(), "Liberation Mono");
}

TEST_F(WindowTest, TabVisitsPinTextPassesAndPickersInOrder) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Pin().setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"txtKey", "Text1", "Combo1", "Kk1", "Kk2", "Kk3", "Kk4"}));
    EXPECT_TRUE(BoxContents().isEmpty());  // Tab moved on instead of typing
}

// What a screen reader reads: on Linux a list's own name is its current
// text, so each input is named by the label it is related to.
TEST_F(WindowTest, ScreenReadersFindEachInputByItsLabel) {
    const std::vector<std::pair<const char*, QString>> labelled{
        {"txtKey", "Enter Pin"}, {"Combo1", "Number Of Times"},
        {"Kk1", "Key 1"},        {"Kk2", "Key 2"},
        {"Kk3", "Key 3"},        {"Kk4", "Key 4"}};
    for (const auto& [name, caption] : labelled) {
        QAccessibleInterface* input = QAccessible::queryAccessibleInterface(&Find<QWidget>(name));
        ASSERT_NE(input, nullptr) << name;
        const auto labels = input->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << name;
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), caption) << name;
        // The pickers' labels are for screen readers only.
        const auto* label = qobject_cast<QWidget*>(labels[0].first->object());
        EXPECT_EQ(label->isHidden(), caption.startsWith("Key")) << name;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&List("Kk3"))->text(QAccessible::Description),
              " Pick  Key 03 ");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Text1())->text(QAccessible::Name), "Text");
}

TEST(WindowPalette, LabelsKeepDarkTextOnGreyUnderADarkDesktop) {
    const QPalette previous = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    RecordingDesktop desktop;
    Form1 window(desktop);
    QApplication::setPalette(dark);  // a change while the window is open, too
    for (const char* name : {"Label1", "Label3", "Label4"}) {
        const QPalette& palette = window.findChild<QLabel*>(name)->palette();
        EXPECT_EQ(palette.color(QPalette::Window), QColor(192, 192, 192)) << name;
        EXPECT_LT(palette.color(QPalette::WindowText).lightness(), 64) << name;
    }
    const QPalette& box = window.findChild<QPlainTextEdit*>("Text1")->palette();
    EXPECT_GT(box.color(QPalette::Base).lightness() - box.color(QPalette::Text).lightness(), 128);
    QApplication::setPalette(previous);
}

// ---- PIN box ---------------------------------------------------------------

TEST_F(WindowTest, PinTakesDigitsUpToEightAndEditingKeysWithoutBeeping) {
    QTest::keyClicks(&Pin(), "1234");
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete,
                              Qt::Key_Home, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_End}) {
        QTest::keyClick(&Pin(), key);
    }
    EXPECT_EQ(Pin().text(), "13");
    QTest::keyClicks(&Pin(), "4567890");
    EXPECT_EQ(Pin().text(), "13456789");  // the box's own limit
    EXPECT_EQ(desktop.beeps, 0);
}

struct CancelledKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;  // as the X11 platform sends it
};

class CancelledKeyTest : public WindowTest, public ::testing::WithParamInterface<CancelledKey> {};

TEST_P(CancelledKeyTest, BeepsOnceAndLeavesBoxAndClipboardAsTheyWere) {
    const CancelledKey& typed = GetParam();
    QTest::keyClicks(&Pin(), "1234");
    Pin().setSelection(1, 2);
    QGuiApplication::clipboard()->setText("5678");
    QKeyEvent press(QEvent::KeyPress, typed.key, typed.modifiers, typed.text);
    QApplication::sendEvent(&Pin(), &press);
    EXPECT_EQ(Pin().text(), "1234");
    EXPECT_EQ(Pin().selectedText(), "23");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "5678");
    EXPECT_EQ(desktop.beeps, 1);
}

INSTANTIATE_TEST_SUITE_P(
    AllButDigits, CancelledKeyTest,
    ::testing::Values(
        CancelledKey{"Letter", Qt::Key_A, Qt::NoModifier, "a"},
        CancelledKey{"Blank", Qt::Key_Space, Qt::NoModifier, " "},
        CancelledKey{"Minus", Qt::Key_Minus, Qt::NoModifier, "-"},
        CancelledKey{"Enter", Qt::Key_Return, Qt::NoModifier, "\r"},
        CancelledKey{"ArabicIndicOne", Qt::Key_1, Qt::NoModifier, QString(QChar(0x0661))},
        CancelledKey{"FullWidthOne", Qt::Key_1, Qt::NoModifier, QString(QChar(0xFF11))},
        CancelledKey{"CtrlC", Qt::Key_C, Qt::ControlModifier, QString(QChar(3))},
        CancelledKey{"CtrlX", Qt::Key_X, Qt::ControlModifier, QString(QChar(24))},
        CancelledKey{"CtrlV", Qt::Key_V, Qt::ControlModifier, QString(QChar(22))},
        CancelledKey{"CtrlA", Qt::Key_A, Qt::ControlModifier, QString(QChar(1))},
        CancelledKey{"CtrlZ", Qt::Key_Z, Qt::ControlModifier, QString(QChar(26))}),
    [](const ::testing::TestParamInfo<CancelledKey>& key) { return std::string(key.param.name); });

struct Insertion {
    const char* name;
    QString before;  // the box's text, all of it selected when `replace`
    bool replace;
    QString inserted;
    QString after;  // the box's text afterwards; refused when it equals `before`
};

class InsertionTest : public WindowTest, public ::testing::WithParamInterface<Insertion> {
protected:
    // Every way a text reaches the box without typing, but the middle click
    // (the offscreen platform has no selection to paste).
    enum class Way { ShiftInsert, ContextMenu, Drop, InputMethod };

    void Insert(Way way, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        switch (way) {
            case Way::ShiftInsert:
                QTest::keyClick(&Pin(), Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Way::ContextMenu: {
                QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                          Pin().mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(&Pin(), &request);
                auto* menu = Pin().findChild<QMenu*>();
                ASSERT_NE(menu, nullptr);
                const QList<QAction*> items = menu->actions();
                const auto paste = std::find_if(items.begin(), items.end(), [](QAction* item) {
                    return item->text().startsWith("&Paste");
                });
                ASSERT_NE(paste, items.end());
                ASSERT_EQ((*paste)->isEnabled(), !text.isEmpty());
                (*paste)->trigger();
                menu->close();
                break;
            }
            case Way::Drop: {
                QMimeData data;
                data.setText(text);
                QDragEnterEvent enter(QPoint(60, 5), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(&Pin(), &enter);
                QDropEvent drop(QPointF(60, 5), Qt::CopyAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
                QApplication::sendEvent(&Pin(), &drop);
                break;
            }
            case Way::InputMethod: {
                QInputMethodEvent commit;
                commit.setCommitString(text);
                QApplication::sendEvent(&Pin(), &commit);
                break;
            }
        }
    }
};

TEST_P(InsertionTest, IsTakenWholeOrRefusedWithOneBeep) {
    const Insertion& insertion = GetParam();
    for (const Way way : {Way::ShiftInsert, Way::ContextMenu, Way::Drop, Way::InputMethod}) {
        SCOPED_TRACE(static_cast<int>(way));
        // A drop goes in beside the selection, and nothing to insert is no
        // drop and no input at all.
        if ((way == Way::Drop && insertion.replace) ||
            (insertion.inserted.isEmpty() && (way == Way::Drop || way == Way::InputMethod))) {
            continue;
        }
        Pin().setText(insertion.before);
        if (insertion.replace) {
            Pin().selectAll();
        }
        desktop.beeps = 0;
        Insert(way, insertion.inserted);
        if (way == Way::ContextMenu && insertion.inserted.isEmpty()) {
            continue;  // the menu offers no Paste then
        }
        EXPECT_EQ(Pin().text(), insertion.after);
        EXPECT_EQ(desktop.beeps, insertion.after == insertion.before ? 1 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WholeOrNothing, InsertionTest,
    ::testing::Values(Insertion{"EightDigits", "", false, "87654321", "87654321"},
                      Insertion{"FourBesideFour", "1234", false, "5678", "12345678"},
                      Insertion{"OneOverEight", "12345678", true, "9", "9"},
                      Insertion{"LetterInside", "", false, "12ab5678", ""},
                      Insertion{"NineDigits", "", false, "123456789", ""},
                      Insertion{"FiveBesideFour", "1234", false, "56789", "1234"},
                      Insertion{"TrailingLineBreak", "", false, "12345678\n", ""},
                      Insertion{"FullWidthDigits", "", false, QString(4, QChar(0xFF11)), ""},
                      Insertion{"NothingOverFour", "1234", true, "", "1234"}),
    [](const ::testing::TestParamInfo<Insertion>& insertion) {
        return std::string(insertion.param.name);
    });

// ---- Refusals --------------------------------------------------------------

struct Refusal {
    const char* name;
    const char* pin;
    std::array<const char*, 4> keys;
    const char* passes;
    QString message;
};

class RefusalTest : public WindowTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, ShowsItsMessageAndChangesNothing) {
    const Refusal& refusal = GetParam();
    for (int i = 0; i < 4; ++i) {
        List(("Kk" + std::to_string(i + 1)).c_str()).setCurrentText(refusal.keys[i]);
    }
    List("Combo1").setEditable(true);  // lets a count the list lacks through
    EnterRun("plain text", refusal.pin, refusal.passes);
    for (const char* command : {"EncryptTxt", "DecryptTxt"}) {
        desktop.messages.clear();
        Action(command).trigger();
        ASSERT_EQ(desktop.messages.size(), 1u) << command;
        EXPECT_EQ(desktop.messages[0].text, refusal.message);
        EXPECT_EQ(desktop.messages[0].title, " Velk Encrypt Decrypt V2");
        EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(BoxContents(), "plain text");
    EXPECT_EQ(desktop.eventRounds, 0);
    EXPECT_EQ(desktop.busyCalls, 0);
    EXPECT_TRUE(Label("Label3").isHidden());
    EXPECT_FALSE(Action("CopyToClipboard").isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    EveryCheck, RefusalTest,
    ::testing::Values(
        Refusal{"EmptyPinBeforeEqualKeys", "", {"01", "01", "01", "01"}, "01", "Enter Pin"},
        Refusal{"EqualKeysBeforeShortPin",
                "1234567",
                {"05", "06", "05", "07"},
                "01",
                "Two Keys The Same"},
        Refusal{"LastPairEqual", "12345678", {"01", "02", "03", "03"}, "01", "Two Keys The Same"},
        Refusal{"ShortPin", "1234567", {"01", "02", "03", "04"}, "01", "Enter Pin 8 Numbers"},
        Refusal{"PinWithLetter",
                "1234567a",
                {"01", "02", "03", "04"},
                "01",
                "The Pin Must Be 8 Numbers, 0 To 9 Only"},
        Refusal{"PassCountAbove256",
                "12345678",
                {"01", "02", "03", "04"},
                "257",
                "Pick The Number Of Times From 01 To 256"},
        Refusal{"PassCountZero",
                "12345678",
                {"01", "02", "03", "04"},
                "00",
                "Pick The Number Of Times From 01 To 256"}),
    [](const ::testing::TestParamInfo<Refusal>& refusal) {
        return std::string(refusal.param.name);
    });

TEST_F(WindowTest, RefusesTooLongTextBeforeTheFirstPass) {
    const QString tooLong(MaxTextLength + 1, QChar('a'));
    EnterRun(tooLong, "12345678");
    Action("EncryptTxt").trigger();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text,
              "The Txt Is Too Long: At Most 32766 Characters Can Be Worked On");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(desktop.messages[0].title, " Velk Encrypt Decrypt V2");
    EXPECT_EQ(BoxContents(), tooLong);
    EXPECT_EQ(desktop.eventRounds, 0);

    desktop.messages.clear();
    const QString longest(MaxTextLength, QChar('a'));
    SetBoxContents(longest);
    Action("EncryptTxt").trigger();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(BoxContents(), EngineRun(longest, "12345678", DefaultKeys, 1, true));
}

// ---- Runs ------------------------------------------------------------------

TEST_F(WindowTest, EncryptGivesTheEngineResultAndDecryptBringsTextBack) {
    const QString plain = "Meet me at 10\n\tby the \"old\" gate " + AlphabetExtras;
    List("Kk1").setCurrentText("17");
    List("Kk3").setCurrentText("99");
    EnterRun(plain, "04729913", "03");
    Action("EncryptTxt").trigger();
    const QString cipher = BoxContents();
    EXPECT_EQ(cipher, EngineRun(plain, "04729913", {"17", "02", "99", "04"}, 3, true));
    EXPECT_NE(cipher, plain);
    EXPECT_EQ(desktop.eventRounds, 3);
    EXPECT_TRUE(Action("CopyToClipboard").isEnabled());
    EXPECT_TRUE(Label("Label3").isHidden());
    EXPECT_EQ(Label("Label3").text(), "Please Wait Working On Txt");
    EXPECT_FALSE(desktop.busy);

    Action("DecryptTxt").trigger();
    EXPECT_EQ(BoxContents(), plain);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(WindowTest, EmptyTextRunsAndEnablesCopy) {
    EnterRun("", "00000000");
    Action("DecryptTxt").trigger();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(BoxContents().isEmpty());
    EXPECT_TRUE(Action("CopyToClipboard").isEnabled());
}

TEST_F(WindowTest, CopyStaysEnabledAfterALaterRefusal) {
    EnterRun("abc", "12345678");
    Action("EncryptTxt").trigger();
    Pin().clear();
    Action("EncryptTxt").trigger();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(Action("CopyToClipboard").isEnabled());
}

TEST_F(WindowTest, RunLocksCommandsAndInputsAndShowsStatus) {
    EnterRun("some text", "12345678", "02");
    Action("EncryptTxt").trigger();  // enables CopyToClipboard for the second run
    desktop.eventRounds = 0;
    int checked = 0;
    desktop.onProcessEvents = [&] {
        ++checked;
        for (const char* name : {"EncryptTxt", "DecryptTxt", "CopyToClipboard"}) {
            EXPECT_FALSE(Action(name).isEnabled()) << name;
        }
        EXPECT_TRUE(Pin().isReadOnly());
        EXPECT_TRUE(Text1().isReadOnly());
        for (const char* name : {"Combo1", "Kk1", "Kk2", "Kk3", "Kk4"}) {
            EXPECT_FALSE(List(name).isEnabled()) << name;
        }
        EXPECT_FALSE(Label("Label3").isHidden());
        EXPECT_EQ(Label("Label3").text(), "Please Wait Working On Txt");
        // The busy pointer comes after the first pass's event round.
        EXPECT_EQ(desktop.busy, checked > 1);
        // A command chosen now must not start a run inside the run.
        window->EncryptTxt_Click();
        window->CopyToClipboard_Click();
    };
    Action("DecryptTxt").trigger();
    EXPECT_EQ(checked, 2);
    EXPECT_EQ(desktop.eventRounds, 2);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(BoxContents(), "some text");
    EXPECT_TRUE(Action("EncryptTxt").isEnabled());
    EXPECT_TRUE(Action("CopyToClipboard").isEnabled());
    EXPECT_FALSE(Pin().isReadOnly());
    EXPECT_FALSE(Text1().isReadOnly());
    EXPECT_TRUE(List("Kk4").isEnabled());
}

TEST_F(WindowTest, LongestRunLeavesDefaultPointerAndIsOneUndoStep) {
    const QString plain = "undo me";
    EnterRun(plain, "31415926", "256");
    Action("EncryptTxt").trigger();
    EXPECT_EQ(desktop.eventRounds, 256);
    EXPECT_FALSE(desktop.busy);
    EXPECT_EQ(BoxContents(), EngineRun(plain, "31415926", DefaultKeys, 256, true));
    Text1().undo();
    EXPECT_EQ(BoxContents(), plain);
}

TEST_F(WindowTest, CharactersSurviveTheBoxAndARoundTrip) {
    const QString special =
        QString::fromUtf8("nbsp\u00A0tab\tline\u2028sep\n") + AlphabetExtras +
        QString::fromUtf8(" \u03B1\u03B2\u03B3 \u6F22\u5B57 \U0001F600\U0001F9E9 end");
    SetBoxContents(special);
    EXPECT_EQ(BoxContents(), special);
    EnterRun(special, "99999999", "05");
    Action("EncryptTxt").trigger();
    const QString cipher = BoxContents();
    EXPECT_EQ(cipher, EngineRun(special, "99999999", DefaultKeys, 5, true));
    EXPECT_EQ(cipher.size(), special.size());
    Action("DecryptTxt").trigger();
    EXPECT_EQ(BoxContents(), special);
}

TEST_F(WindowTest, LineBreaksEnterTheBoxAsLineFeeds) {
    SetBoxContents("a\r\nb\rc\nd");
    EXPECT_EQ(BoxContents(), "a\nb\nc\nd");
}

TEST_F(WindowTest, ClosingDuringARunEndsItAfterTheCurrentRound) {
    EnterRun("text", "12345678", "256");
    desktop.onProcessEvents = [&] { window->close(); };
    Action("EncryptTxt").trigger();
    EXPECT_EQ(desktop.eventRounds, 1);
    EXPECT_EQ(desktop.slidesStarted, 1);
    EXPECT_EQ(desktop.endStatuses, std::vector<int>{0});
    EXPECT_FALSE(desktop.busy);
}

// ---- Clipboard -------------------------------------------------------------

TEST_F(WindowTest, CopyPutsTheBoxTextOnTheClipboardAndConfirms) {
    EnterRun("line one\nline two\u00A0", "12345678");
    Action("EncryptTxt").trigger();
    Action("CopyToClipboard").trigger();
    EXPECT_EQ(desktop.clipboard, BoxContents());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, " Your Txt \n\n Has Been Copyed To Clipboard ");
    EXPECT_EQ(desktop.messages[0].title, " Velk Encrypt Decrypt ");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Information);
}

TEST_F(WindowTest, CopyOfEmptyTextEmptiesTheClipboard) {
    desktop.clipboard = "earlier";
    window->CopyToClipboard_Click();
    EXPECT_TRUE(desktop.clipboard.isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Information);
}

TEST_F(WindowTest, FailedClipboardIsReportedWithoutConfirmation) {
    desktop.clipboardFails = true;
    SetBoxContents("secret");
    window->CopyToClipboard_Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, text::CopyFailed);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(BoxContents(), "secret");
}

// ---- Ending ----------------------------------------------------------------

TEST_F(WindowTest, ExitSlidesOnceAndEndsWithStatusZero) {
    Action("Exit1").trigger();
    EXPECT_EQ(desktop.slidesStarted, 1);
    EXPECT_GE(desktop.frame.changesShown, 1);
    EXPECT_GT(desktop.frame.top, desktop.frame.screenWidth);
    window->close();  // Form_Unload after Exit1 does not slide again
    Action("Exit1").trigger();
    EXPECT_EQ(desktop.slidesStarted, 1);
    EXPECT_EQ(desktop.endStatuses, std::vector<int>{0});
    // Nothing else runs once the program is ending.
    EnterRun("x", "12345678");
    window->EncryptTxt_Click();
    window->CopyToClipboard_Click();
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(BoxContents(), "x");
}

TEST_F(WindowTest, ClosingTheWindowSlidesOnceAndEnds) {
    desktop.frame.refuseMoves = true;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(desktop.slidesStarted, 1);
    EXPECT_EQ(desktop.frame.changesShown, 1);
    EXPECT_EQ(desktop.endStatuses, std::vector<int>{0});
}

// A window whose key preparation fails mid-run, as no input the checks let
// through can make the real editions do.
class FailingWindow final : public CipherWindow {
public:
    explicit FailingWindow(Desktop& desktop) : CipherWindow(WithoutPickers(), desktop) {
        LoadCommon();
    }

protected:
    void PrepareRunPass(CipherState&, std::u16string_view) override {
        throw std::runtime_error("preparation failed");
    }

private:
    static Edition WithoutPickers() {
        Edition edition = SecondEdition();
        edition.keyPickers.reset();
        return edition;
    }
};

TEST(FailedRun, IsReportedAndLeavesTheTextAndCopyAsTheyWere) {
    RecordingDesktop desktop;
    FailingWindow window(desktop);
    auto& box = *window.findChild<QPlainTextEdit*>("Text1");
    box.setPlainText("keep me");
    window.findChild<QLineEdit*>("txtKey")->setText("12345678");
    window.findChild<QAction*>("EncryptTxt")->trigger();
    EXPECT_EQ(BoxText(box), "keep me");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, text::RunFailed);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(window.findChild<QAction*>("CopyToClipboard")->isEnabled());
    EXPECT_FALSE(desktop.busy);
    EXPECT_TRUE(window.findChild<QLabel*>("Label3")->isHidden());
}

}  // namespace
}  // namespace velk::ui::testing
