// The classic edition's handlers: what sets them apart from the second
// edition's (no key pickers, its refusal title, its fixed keys).
#include "classic/form1.h"

#include "tests/ui/fake_port.h"

namespace velk::classic::testing {
namespace {

using ClassicFormTest = ui::testing::FormTestOf<Form1>;
using ui::CipherWindow;
using ui::Control;

// With no key pickers nothing is checked before the PIN's length.
TEST_F(ClassicFormTest, LoadsNoPickersAndRefusesWithTheClassicTitle) {
    EXPECT_EQ(window.items.size(), 1u);  // Combo1 alone
    for (const auto& [pin, message] :
         {std::pair{u"", u"Enter Pin"}, {u"1234567", u"Enter Pin 8 Numbers"}}) {
        desktop.messages.clear();
        Run(&CipherWindow::DecryptTxt_Click, u"plain text", pin);
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].prompt, message);
        EXPECT_EQ(desktop.messages[0].title, u" Velk Encrypt Decrypt");
        EXPECT_EQ(desktop.messages[0].style, ui::MessageStyle::Critical);
    }
    EXPECT_EQ(Box(), u"plain text");
    EXPECT_EQ(desktop.eventRounds, 0);
}

// The fixed keys' known answer. The cipher sees a line break as CR LF
// however the box spells it.
TEST_F(ClassicFormTest, RunsWithTheFixedKeys) {
    for (const char16_t* plain : {u"ab\ncd", u"ab\r\ncd", u"ab\rcd"}) {
        Run(&CipherWindow::EncryptTxt_Click, plain, u"12345678");
        EXPECT_EQ(Box(), u"Ml\r\nl$");
        form->DecryptTxt_Click();
        EXPECT_EQ(Box(), u"ab\r\ncd");
    }
}

}  // namespace
}  // namespace velk::classic::testing
