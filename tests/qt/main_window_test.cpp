// The Qt window of either edition over a recording desktop: what the Qt
// layer adds to the handlers (controls by name and place, fonts, look,
// accessibility, the PIN box's and Text1's ways in, the port itself).
#include "qt/main_window.h"

#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>

#include "classic/form1.h"
#include "engine/passes.h"
#include "tests/qt/window_fixture.h"
#include "ui/form1.h"

namespace velk::qt::testing {
namespace {

using WindowTest = WindowTestOf<ui::Form1, &ui::SecondEdition>;
using ClassicWindowTest = WindowTestOf<classic::Form1, &classic::ClassicEdition>;
using ui::MessageStyle;

TEST_F(WindowTest, StartsWithItsControlsAsTheFormLoadedThem) {
    EXPECT_EQ(window->windowTitle(), "Velk Encrypt Decrypt V2");
    EXPECT_EQ(window->windowIcon().availableSizes(), QList<QSize>{QSize(24, 24)});
    EXPECT_EQ(List("Combo1").count(), 256);
    EXPECT_EQ(List("Combo1").itemText(255), "256");
    EXPECT_EQ(List("Kk4").count(), 99);
    EXPECT_EQ(List("Kk4").currentText() + List("Combo1").currentText(), "0401");
    EXPECT_EQ(List("Kk3").toolTip(), " Pick  Key 03 ");
    EXPECT_FALSE(List("Combo1").isEditable() || List("Kk2").isEditable());
    EXPECT_TRUE(Box().isEmpty() && Pin().text().isEmpty() && Label("Label3").isHidden());
    EXPECT_EQ(Pin().maxLength(), 8);
    EXPECT_EQ(Pin().toolTip(), "Enter Pin   (8)");
    EXPECT_FALSE(Label("Label2").toolTip().isEmpty());
    EXPECT_FALSE(Action("CopyToClipboard").isEnabled());
    EXPECT_EQ(window->focusWidget(), &Pin());
}

TEST_F(WindowTest, MenuHoldsEightItemsWithVisibleSeparatorsAndNoShortcuts) {
    const QMenu& menu = Find<QMenu>("EncryptDecrypt");
    EXPECT_EQ(menu.title(), "&Encrypt Decrypt");
    EXPECT_FALSE(window->menuBar()->isNativeMenuBar());  // in the window, as its layout has it
    const QStringList items{"Space1",
                            "EncryptTxt &Encrypt Or Decrypt Txt ",
                            "DecryptTxt &Decrypt Or Encrypt Txt ",
                            "Space3",
                            "CopyToClipboard &Copy To Clipboard",
                            "Space",
                            "Exit1 &Exit",
                            "Space2"};
    QStringList found;
    for (const QAction* action : menu.actions()) {
        found << (action->objectName() + (action->isSeparator() ? "" : " " + action->text()));
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    EXPECT_EQ(found, items);
    // Not collapsed away, and tall enough to show beside the menu's frame.
    EXPECT_GE(menu.actionGeometry(menu.actions().front()).height(), 5);
    EXPECT_GE(menu.actionGeometry(menu.actions().back()).height(), 5);
}

// Twips are 15 to the pixel, rounded to the nearest.
TEST_F(WindowTest, ControlsSitAtTheirPlaces) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(609, 302));
    const std::pair<const char*, QRect> places[] = {
        {"txtKey", {296, 3, 63, 22}},    {"Text1", {0, 30, 601, 241}},
        {"Label1", {232, 4, 60, 12}},    {"Label2", {-8, 280, 617, 17}},
        {"Label3", {168, 280, 233, 25}}, {"Label4", {416, 3, 121, 17}},
        {"Combo1", {540, 3, 65, 21}},    {"Kk1", {40, 3, 40, 21}},
        {"Kk4", {163, 3, 40, 21}}};
    for (const auto& [name, place] : places) {
        EXPECT_EQ(Find<QWidget>(name).geometry(), place) << name;
    }
}

// The window tests draw with the fonts the package depends on and nothing
// else (test_main.cpp). Without them Qt falls back to a wider face such as
// DejaVu Sans, and this test fails: the captions run past their labels'
// right edges, and "Number Of Times" shows as "Number Of Time:".
TEST_F(WindowTest, EveryCaptionFitsInTheDeclaredFonts) {
    Label("Label3").setText("Please Wait Working On Txt");
    for (const char* name : {"Label1", "Label3", "Label4"}) {
        const QLabel& label = Label(name);
        EXPECT_EQ(QFontInfo(label.font()).family(), "Liberation Sans") << name;
        const QFontMetrics metrics(label.font());
        // The ink of the caption, drawn from the label's top-left corner.
        const QRect ink = metrics.tightBoundingRect(label.text()).translated(0, metrics.ascent());
        EXPECT_TRUE(label.rect().contains(ink)) << name;
        EXPECT_LT(label.y() + ink.bottom(), window->centralWidget()->height()) << name;
    }
    EXPECT_EQ(QFontInfo(Pin().font()).family(), "Liberation Mono");
}

TEST_F(WindowTest, TabVisitsPinTextPassesAndPickersInOrder) {
    EXPECT_EQ(TabOrder(7),
              QStringList({"txtKey", "Text1", "Combo1", "Kk1", "Kk2", "Kk3", "Kk4", "txtKey"}));
    EXPECT_TRUE(Box().isEmpty());  // Tab moved on instead of typing
}

// What a screen reader reads: on Linux a list's own name is its current
// text, so each input is named by the label it is related to; where no label
// shows, a hidden one names it.
TEST_F(WindowTest, ScreenReadersFindEachInputByItsLabel) {
    struct Labelled {
        const char* name;
        const char* caption;
        bool hidden;
    };
    const Labelled labelled[] = {
        {"txtKey", "Enter Pin", false}, {"Combo1", "Number Of Times", false},
        {"Text1", "Text", true},        {"Kk1", "Key 1", true},
        {"Kk2", "Key 2", true},         {"Kk3", "Key 3", true},
        {"Kk4", "Key 4", true}};
    for (const auto& [name, caption, hidden] : labelled) {
        const auto labels = QAccessible::queryAccessibleInterface(&Find<QWidget>(name))
                                ->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << name;
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), caption) << name;
        EXPECT_EQ(qobject_cast<QWidget*>(labels[0].first->object())->isHidden(), hidden);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&List("Kk3"))->text(QAccessible::Description),
              " Pick  Key 03 ");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Text1())->text(QAccessible::Name), "Text");
}

TEST(WindowPalette, LabelsKeepDarkTextOnGreyUnderADarkDesktop) {
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(30, 30, 30)));
    MainWindow window(ui::SecondEdition());
    for (const char* name : {"Label1", "Label3", "Label4", "Text1"}) {
        const QPalette& palette = window.findChild<QWidget*>(name)->palette();
        EXPECT_EQ(palette.color(QPalette::Window), QColor(192, 192, 192)) << name;
        EXPECT_LT(palette.color(name[0] == 'T' ? QPalette::Text : QPalette::WindowText).lightness(),
                  64);
    }
    QApplication::setPalette(previous);
}

// The box's own context menu, open.
QMenu& ContextMenu(QLineEdit& box) {
    QContextMenuEvent request(QContextMenuEvent::Keyboard, {5, 5}, box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&box, &request);
    return *box.findChild<QMenu*>();
}

// Digits up to the box's limit and the editing keys pass without a beep.
// Every other typed character, and the copy and cut keys: box and clipboard
// as they were, one beep. The control keys come as the X11 platform sends
// them. The context menu has no Copy and no Cut, also while
// a run holds the box read-only. (The primary selection is the end-to-end
// test's: this platform has none.)
TEST_F(WindowTest, PinCancelsEveryOtherCharacterAndEveryCopyWithOneBeep) {
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QChar> typed[] = {
        {Qt::Key_Insert, Qt::ControlModifier, QChar()},
        {Qt::Key_Delete, Qt::ShiftModifier, QChar()},
        {Qt::Key_A, Qt::NoModifier, 'a'},
        {Qt::Key_Return, Qt::NoModifier, '\r'},
        {Qt::Key_1, Qt::NoModifier, QChar(0xFF11)},  // full-width one
        {Qt::Key_C, Qt::ControlModifier, QChar(3)},
        {Qt::Key_X, Qt::ControlModifier, QChar(24)},
        {Qt::Key_V, Qt::ControlModifier, QChar(22)},
        {Qt::Key_A, Qt::ControlModifier, QChar(1)},
        {Qt::Key_Z, Qt::ControlModifier, QChar(26)}};
    QTest::keyClicks(&Pin(), "1234");
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete,
                              Qt::Key_Home, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_End}) {
        // Delete types DEL on X11.
        QKeyEvent press(QEvent::KeyPress, key, {}, key == Qt::Key_Delete ? "\x7f" : QString());
        QApplication::sendEvent(&Pin(), &press);
    }
    QTest::keyClicks(&Pin(), "4567890");
    EXPECT_EQ(Pin().text(), "13456789");
    EXPECT_EQ(desktop.beeps, 0);
    Pin().setSelection(1, 2);
    QGuiApplication::clipboard()->setText("5678");
    int beeps = 0;
    for (const auto& [key, modifiers, text] : typed) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text.isNull() ? QString() : text);
        QApplication::sendEvent(&Pin(), &press);
        EXPECT_EQ(Pin().text() + Pin().selectedText(), "1345678934") << key;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "5678") << key;
        EXPECT_EQ(desktop.beeps, ++beeps) << key;
    }
    for (const bool readOnly : {false, true}) {
        Pin().setReadOnly(readOnly);
        QMenu& menu = ContextMenu(Pin());
        for (const QAction* item : menu.actions()) {
            EXPECT_FALSE(item->text().startsWith("&Copy") || item->text().startsWith("Cu&t"))
                << item->text().toStdString();
        }
        delete &menu;
    }
}

// Every way a text reaches the box but typing and the middle click (that is
// the end-to-end test's); assistive technology puts it in place of the
// selection as the others do, a drop beside it. Screen readers read the box.
TEST_F(WindowTest, PinTakesAnInsertedTextWholeOrRefusesItWithOneBeep) {
    QMimeData data;
    QAccessibleInterface& access = *QAccessible::queryAccessibleInterface(&Pin());
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(&Pin(), Qt::Key_Insert, Qt::ShiftModifier); },
        [&] {
            QMenu& menu = ContextMenu(Pin());
            for (QAction* item : menu.actions()) {
                if (item->text().startsWith("&Paste") && item->isEnabled()) {
                    item->trigger();
                }
            }
            delete &menu;
        },
        [&] {
            QInputMethodEvent commit;
            commit.setCommitString(data.text());
            QApplication::sendEvent(&Pin(), &commit);
        },
        [&] {
            const int start = Pin().hasSelectedText() ? 0 : Pin().cursorPosition();
            access.editableTextInterface()->replaceText(start, Pin().cursorPosition(), data.text());
        },
        [&] {
            QDragEnterEvent enter({60, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop({60, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&Pin(), &enter);
            QApplication::sendEvent(&Pin(), &drop);
        }};
    // Before, inserted, after (refused when it equals before); a selected
    // box is written as its text between brackets.
    const std::array<const char*, 3> insertions[] = {{"1234", "5678", "12345678"},
                                                     {"[12345678]", "9", "9"},
                                                     {"[1234]", "abc DEF!", "1234"},
                                                     {"1234", "56789", "1234"},
                                                     {"[1234]", "", "1234"}};
    for (const auto& [before, inserted, after] : insertions) {
        const QString box = QString(before).remove('[').remove(']');
        const bool selected = before[0] == '[';
        // Nothing to insert is no input, no drop and no Paste in the menu.
        for (int way = 0; way < (QString(inserted).isEmpty() ? 1 : (selected ? 4 : 5)); ++way) {
            Pin().setText(box);
            if (selected) {
                access.textInterface()->setSelection(0, 0, static_cast<int>(box.size()));
            }
            QGuiApplication::clipboard()->setText(QString::fromUtf8(inserted));
            data.setText(QString::fromUtf8(inserted));
            desktop.beeps = 0;
            ways[static_cast<std::size_t>(way)]();
            EXPECT_EQ(Pin().text(), after) << inserted << " way " << way;
            EXPECT_EQ(desktop.beeps, box == after ? 1 : 0) << inserted << " way " << way;
            EXPECT_EQ(access.textInterface()->text(0, 8), after);
            EXPECT_FALSE(access.textInterface()->characterRect(0).isEmpty());
        }
    }
}

// A paste that would make the text longer than a run takes (a line break
// counting two) is refused whole with the runs' message, however long it is;
// what fits goes in, in place of the selection too. Every way of pasting and
// dropping comes to the same place.
TEST_F(WindowTest, TextRefusesAPasteTooLongForARunWhole) {
    const QString longest(MaxTextLength, 'a');
    // Before, whether it is selected, pasted, whether it is taken.
    const std::tuple<QString, bool, QString, bool> pastes[] = {
        {"a\n", false, longest.left(MaxTextLength - 3), true},
        {"a\n", false, longest.left(MaxTextLength - 2), false},
        {"", false, longest.left(MaxTextLength - 2) + "\r\n", true},
        {longest, true, "b", true},
        {"", false, QString(10 << 20, 'a'), false}};
    for (const auto& [before, selected, pasted, taken] : pastes) {
        Text1().setPlainText(before);
        if (selected) {
            Text1().selectAll();
        }
        QGuiApplication::clipboard()->setText(pasted);
        desktop.messages.clear();
        QTest::keyClick(&Text1(), Qt::Key_V, Qt::ControlModifier);
        const QString after = QString(pasted).replace("\r\n", "\n") + (selected ? "" : before);
        EXPECT_EQ(Box(), taken ? after : before) << pasted.size();
        ASSERT_EQ(desktop.messages.size(), taken ? 0u : 1u) << pasted.size();
        if (!taken) {
            EXPECT_EQ(desktop.messages[0].prompt,
                      u"The Txt Is Too Long: At Most 32766 Characters Can Be Worked On");
            EXPECT_EQ(desktop.messages[0].style, MessageStyle::Critical);
        }
    }
}

// Text1 reads back what it holds unit for unit, every line break as LF,
// and takes a whole replacement as one undo step; a locked window takes no
// edit and no choice.
TEST_F(WindowTest, PortReadsAndWritesTheControls) {
    window->setText(ui::Control::Text1, u"one");
    window->setText(ui::Control::Text1, u"a\r\nb\u00A0\u2028c\rd");
    EXPECT_EQ(window->text(ui::Control::Text1), u"a\nb\u00A0\u2028c\nd");
    Text1().undo();
    EXPECT_EQ(Box(), "one");
    window->setText(ui::Control::Kk2, u"42");
    EXPECT_EQ(List("Kk2").currentText(), "42");
    window->setLocked(true);
    EXPECT_TRUE(Pin().isReadOnly() && Text1().isReadOnly());
    EXPECT_FALSE(List("Combo1").isEnabled() || List("Kk4").isEnabled());
    window->setLocked(false);
    EXPECT_FALSE(Pin().isReadOnly() || Text1().isReadOnly() || !List("Kk4").isEnabled());
    window->setWindowGeometry({1500, 3000, 6000, 3000});
    const ui::WindowGeometry g = window->windowGeometry();
    EXPECT_EQ((std::array{g.left, g.top, g.width, g.height}), (std::array{1500, 3000, 6000, 3000}));
}

// The menu and closing the window reach the form's handlers.
TEST_F(ClassicWindowTest, MenuAndClosingRunTheHandlers) {
    Text1().setPlainText("ab\ncd");
    Pin().setText("12345678");
    Action("EncryptTxt").trigger();
    EXPECT_EQ(Box(), "Ml\nl$");
    EXPECT_TRUE(Action("CopyToClipboard").isEnabled());
    Action("CopyToClipboard").trigger();
    EXPECT_EQ(desktop.clipboard, u"Ml\nl$");
    window->close();
    EXPECT_EQ(desktop.endStatuses, std::vector<int>{0});
}

TEST_F(ClassicWindowTest, HasItsOwnCaptionLayoutAndToolTipAndNoPickers) {
    EXPECT_EQ(window->windowTitle(), "Velk Encrypt Decrypt");
    EXPECT_EQ(window->centralWidget()->size(), QSize(609, 285));  // 9135 by 4275 twips
    EXPECT_EQ(Pin().toolTip(), "Enter Pin   8) ");
    EXPECT_EQ(Label("Label3").geometry(), QRect(3, 3, 233, 25));
    EXPECT_EQ(Text1().geometry(), QRect(3, 32, 601, 241));
    EXPECT_EQ(window->findChildren<QComboBox*>().size(), 1);
    EXPECT_EQ(TabOrder(3), QStringList({"txtKey", "Text1", "Combo1", "txtKey"}));
}

}  // namespace
}  // namespace velk::qt::testing
