// The classic edition's window: what sets it apart from the second edition's
// (caption, layout, no key pickers, its refusal title, its fixed keys).
#include "classic/form1.h"

#include "tests/ui/window_fixture.h"

namespace velk::classic::testing {
namespace {

using ClassicWindowTest = ui::testing::WindowTestOf<Form1>;
using ui::MessageIcon;

TEST_F(ClassicWindowTest, HasItsOwnCaptionLayoutAndToolTipAndNoPickers) {
    EXPECT_EQ(window->windowTitle(), "Velk Encrypt Decrypt");
    EXPECT_EQ(window->centralWidget()->size(), QSize(609, 285));  // 9135 by 4275 twips
    EXPECT_EQ(Pin().toolTip(), "Enter Pin   8) ");
    EXPECT_EQ(Label("Label3").geometry(), QRect(3, 3, 233, 25));
    EXPECT_EQ(Text1().geometry(), QRect(3, 32, 601, 241));
    EXPECT_EQ(window->findChildren<QComboBox*>().size(), 1);
    EXPECT_EQ(TabOrder(3), QStringList({"txtKey", "Text1", "Combo1", "txtKey"}));
}

// With no key pickers nothing is checked before the PIN's length.
TEST_F(ClassicWindowTest, RefusalsCarryTheClassicTitleAndChangeNothing) {
    for (const auto& [pin, message] :
         {std::pair{"", "Enter Pin"}, {"1234567", "Enter Pin 8 Numbers"}}) {
        desktop.messages.clear();
        RunCommand("DecryptTxt", "plain text", pin);
        ASSERT_EQ(desktop.messages.size(), 1u) << pin;
        EXPECT_EQ(desktop.messages[0].text, message);
        EXPECT_EQ(desktop.messages[0].title, " Velk Encrypt Decrypt");
        EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
    }
    EXPECT_EQ(Box(), "plain text");
    EXPECT_EQ(desktop.eventRounds, 0);
}

// The fixed keys' known answer. The cipher sees a line break as CR LF
// however the text spells it; the box shows it as LF.
TEST_F(ClassicWindowTest, RunsWithTheFixedKeysShowingTheStatusTopLeft) {
    window->show();
    desktop.onProcessEvents = [&] {
        EXPECT_TRUE(Label("Label3").isVisible());
        EXPECT_EQ(Label("Label3").text(), "Please Wait Working On Txt");
    };
    for (const char* plain : {"ab\ncd", "ab\r\ncd", "ab\rcd"}) {
        RunCommand("EncryptTxt", plain, "12345678");
        EXPECT_EQ(Box(), "Ml\nl$") << plain;
        Action("DecryptTxt").trigger();
        EXPECT_EQ(Box(), "ab\ncd");
    }
}

}  // namespace
}  // namespace velk::classic::testing
