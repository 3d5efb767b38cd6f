// The handlers of both editions, through the second edition's Form1 over a
// fake window: start state, the PIN rules, refusals, runs, the clipboard and
// the way out.
#include "ui/cipher_window.h"

#include <numeric>
#include <stdexcept>

#include "classic/fixed_keys.h"
#include "classic/form1.h"
#include "engine/key_preparation.h"
#include "engine/line_breaks.h"
#include "engine/passes.h"
#include "tests/support/test_data.h"
#include "tests/ui/fake_port.h"
#include "ui/form1.h"

namespace velk::ui::testing {
namespace {

using FormTest = FormTestOf<Form1>;
constexpr auto Encrypt = &CipherWindow::EncryptTxt_Click;
constexpr auto Decrypt = &CipherWindow::DecryptTxt_Click;

TEST_F(FormTest, LoadFillsTheListsAndPicksTheDefaults) {
    const std::vector<std::u16string>& counts = window.items[Control::Combo1];
    ASSERT_EQ(counts.size(), 256u);
    EXPECT_EQ(counts[8] + counts[9] + counts[99] + counts.back(), u"0910100256");
    EXPECT_EQ(window.text(Control::Combo1), u"01");
    for (std::size_t i = 0; i < KeyPickers.size(); ++i) {
        EXPECT_EQ(window.items[KeyPickers[i]],
                  std::vector<std::u16string>(counts.begin(), counts.begin() + 99));
        EXPECT_EQ(window.text(KeyPickers[i]), counts[i]);
    }
    EXPECT_FALSE(window.Enabled(MenuItem::CopyToClipboard));
}

// The digits, Backspace and Tab pass; every other character is cancelled
// with a beep.
TEST_F(FormTest, PinKeyPressLetsOnlyDigitsBackspaceAndTabThrough) {
    int beeps = 0;
    for (char16_t c = 0; c < 0x100; ++c) {
        char16_t key = c;
        form->txtKey_KeyPress(key);
        const bool passes = (c >= u'0' && c <= u'9') || c == 8 || c == 9;
        EXPECT_EQ(key, passes ? c : 0) << int{c};
        EXPECT_EQ(desktop.beeps, beeps += passes ? 0 : 1);
    }
    form->txtKey_CopyOrCut();
    EXPECT_EQ(desktop.beeps, 256 - 12 + 1);
}

// Box, characters replaced, inserted, taken.
struct PinInsertion {
    std::u16string_view box;
    std::size_t removed;
    std::u16string_view inserted;
    bool taken;
};
class PinInsertTest : public FormTest, public ::testing::WithParamInterface<PinInsertion> {};

TEST_P(PinInsertTest, TakesATextWholeOrBeeps) {
    const PinInsertion& p = GetParam();
    EXPECT_EQ(form->txtKey_Insert(p.box, p.removed, p.inserted), p.taken);
    EXPECT_EQ(desktop.beeps, p.taken ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Insertions, PinInsertTest,
                         ::testing::Values(PinInsertion{u"", 0, u"87654321", true},
                                           PinInsertion{u"1234", 0, u"5678", true},
                                           PinInsertion{u"12345678", 8, u"9", true},
                                           PinInsertion{u"12345678", 1, u"9", true},
                                           PinInsertion{u"", 0, u"12ab5678", false},
                                           PinInsertion{u"", 0, u"123456789", false},
                                           PinInsertion{u"1234", 0, u"56789", false},
                                           PinInsertion{u"", 0, u"1234567\u0661", false},
                                           PinInsertion{u"1234", 4, u"", false},
                                           PinInsertion{u"1234", 5, u"1", false}));

// Counted as the passes count it: a line break, in the box or the paste,
// counts two, and the replaced characters no longer count.
TEST_F(FormTest, Text1TakesAPasteUpToTheLongestTextARunTakes) {
    const std::u16string pasted(MaxTextLength - 4, u'x');
    EXPECT_TRUE(form->Text1_Paste(u"a\nb", 1, 2, pasted + u"\r\n"));
    EXPECT_TRUE(form->Text1_Paste(u"a\nb", 0, 0, pasted));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(form->Text1_Paste(u"a\nb", 0, 1, pasted + u"\r"));
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].prompt,
              u"The Txt Is Too Long: At Most 32766 Characters Can Be Worked On");
    EXPECT_EQ(desktop.messages[0].title, u" Velk Encrypt Decrypt V2");
    EXPECT_EQ(desktop.messages[0].style, MessageStyle::Critical);
}

// PIN, key texts, passes, text length (with one line break more), message.
struct Refusal {
    std::u16string_view pin;
    std::array<std::u16string_view, 4> keys;
    std::u16string_view passes;
    std::size_t length;
    std::u16string_view message;
};
class RefusalTest : public FormTest, public ::testing::WithParamInterface<Refusal> {};

// Each check in the order they are made; nothing changes, nothing runs.
TEST_P(RefusalTest, ShowsItsMessageAndChangesNothing) {
    const Refusal& r = GetParam();
    for (std::size_t i = 0; i < 4; ++i) {
        window.texts[KeyPickers[i]] = r.keys[i];
    }
    const std::u16string text = std::u16string(r.length, u'a') + u"\n";
    for (const auto command : {Encrypt, Decrypt}) {
        desktop.messages.clear();
        Run(command, text, r.pin, r.passes);
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].prompt, r.message);
        EXPECT_EQ(desktop.messages[0].title, u" Velk Encrypt Decrypt V2");
        EXPECT_EQ(desktop.messages[0].style, MessageStyle::Critical);
    }
    EXPECT_EQ(Box(), text);
    EXPECT_EQ(desktop.eventRounds + desktop.busyCalls + window.text1Writes, 0);
    EXPECT_FALSE(window.locked || window.Enabled(MenuItem::CopyToClipboard));
}

// Four keys that differ.
constexpr std::array<std::u16string_view, 4> Distinct{u"01", u"02", u"03", u"04"};

INSTANTIATE_TEST_SUITE_P(
    InOrder, RefusalTest,
    ::testing::Values(
        Refusal{u"", {u"01", u"01", u"01", u"01"}, u"01", 10, u"Enter Pin"},
        Refusal{u"1234567", {u"05", u"06", u"05", u"07"}, u"01", 10, u"Two Keys The Same"},
        Refusal{u"12345678", {u"01", u"02", u"03", u"03"}, u"01", 10, u"Two Keys The Same"},
        Refusal{u"1234567", Distinct, u"01", 10, u"Enter Pin 8 Numbers"},
        Refusal{u"1234567a", Distinct, u"01", 10, u"The Pin Must Be 8 Numbers, 0 To 9 Only"},
        Refusal{u"12345678", Distinct, u"257", 10, u"Pick The Number Of Times From 01 To 256"},
        Refusal{u"12345678", Distinct, u"00", 10, u"Pick The Number Of Times From 01 To 256"},
        // One character short, but the line break counts as CR LF.
        Refusal{u"12345678", Distinct, u"01", MaxTextLength - 1,
                u"The Txt Is Too Long: At Most 32766 Characters Can Be Worked On"}));

// Random texts (every 25th the longest), PINs, keys and pass counts: the
// engine's result with CR LF line breaks, in one write to Text1, and back
// again.
TEST_F(FormTest, RandomRunsGiveTheEngineResultAndTheTextBack) {
    std::mt19937 random(2024);
    for (int run = 0; run < 60 && !HasFailure(); ++run) {
        const std::size_t length = run % 25 == 24 ? MaxTextLength : run % 7 * 50;
        std::u16string text = ToCrLf(test::RandomText(random, length)).text;
        text.resize(std::min<std::size_t>(text.size(), MaxTextLength));
        if (!text.empty() && text.back() == u'\r') {
            text.pop_back();
        }
        const test::KeyTexts keys = test::RandomKeys(random);
        if (ValidateRunInput(u"12345678", keys) != RunInputCheck::Ok) {
            continue;
        }
        for (std::size_t i = 0; i < 4; ++i) {
            window.texts[KeyPickers[i]] = keys[i];
        }
        const int passes = run % 10 == 9 ? 256 : 1 + run % 3;
        const std::u16string pin = test::RandomPin(random);
        desktop.eventRounds = window.text1Writes = 0;
        Run(Encrypt, text, pin, ListText(passes));
        EXPECT_EQ(Box(), test::RunPasses(Direction::Forward, text, pin, keys, passes)) << run;
        EXPECT_EQ(desktop.eventRounds, passes);
        EXPECT_EQ(window.text1Writes, 1);
        EXPECT_TRUE(window.Enabled(MenuItem::CopyToClipboard));
        form->DecryptTxt_Click();
        EXPECT_EQ(Box(), text) << run;
        EXPECT_FALSE(desktop.busy || window.locked);
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FormTest, RunLocksCommandsAndInputsAndShowsStatus) {
    Run(Encrypt, u"some text", u"12345678", u"02");  // enables CopyToClipboard
    int rounds = 0;
    desktop.onProcessEvents = [&] {
        ++rounds;
        EXPECT_TRUE(window.locked);
        for (const MenuItem item :
             {MenuItem::EncryptTxt, MenuItem::DecryptTxt, MenuItem::CopyToClipboard}) {
            EXPECT_FALSE(window.Enabled(item));
        }
        EXPECT_TRUE(window.visible[Control::Label3]);
        EXPECT_EQ(window.text(Control::Label3), u"Please Wait Working On Txt");
        // The busy pointer comes after the first pass's event round.
        EXPECT_EQ(desktop.busy, rounds > 1);
        // A command chosen now must not start a run inside the run.
        form->EncryptTxt_Click();
        form->CopyToClipboard_Click();
    };
    form->DecryptTxt_Click();
    EXPECT_EQ(rounds, 2);
    EXPECT_TRUE(desktop.messages.empty() && desktop.clipboard.empty());
    EXPECT_EQ(Box(), u"some text");
    EXPECT_FALSE(window.locked || window.visible[Control::Label3] || desktop.busy);
    EXPECT_TRUE(window.Enabled(MenuItem::EncryptTxt) && window.Enabled(MenuItem::DecryptTxt) &&
                window.Enabled(MenuItem::CopyToClipboard));
    desktop.onProcessEvents = nullptr;
    window.texts[Control::txtKey].clear();  // a refusal now leaves CopyToClipboard enabled
    form->EncryptTxt_Click();
    EXPECT_TRUE(window.Enabled(MenuItem::CopyToClipboard));
}

// A classic form that shows its cipher state.
class StateForm final : public CipherWindow {
public:
    StateForm(WindowPort& window, Desktop& desktop)
        : CipherWindow(classic::ClassicEdition(), KeySource(keys_), window, desktop) {
        LoadCommon();
    }
    const CipherState& State() const { return cipherState_; }

private:
    KeySet keys_ = classic::FixedMasterKeySet();
};

using StateFormTest = FormTestOf<StateForm>;

// However a run ends (failed at its second pass, for a PIN that no PIN box
// lets through, completed, or cut short by the end of the program) the keys
// it prepared from the PIN are gone. The failed one is reported and leaves
// the text and Copy To Clipboard as they were.
TEST_F(StateFormTest, RunLeavesNoKeyMaterialBehindAndAFailedOneIsReported) {
    for (const auto& [fails, closes] : {std::pair{true, false}, {false, false}, {false, true}}) {
        int runRounds = 0;  // the slide's rounds aside
        bool prepared = false;
        desktop.onProcessEvents = [&, failing = fails, closing = closes] {
            if (form->IsEnding()) {
                return;
            }
            if (++runRounds == 1) {
                // Read again for the second pass.
                window.texts[Control::txtKey] = failing ? u"1234567x" : u"12345678";
                return;
            }
            prepared = form->State().workingKeys != KeySet{};
            if (closing) {
                form->RequestClose();
            }
        };
        Run(Encrypt, u"keep me", u"12345678", u"02");
        const CipherState& state = form->State();
        EXPECT_TRUE(prepared && state.workingKeys == KeySet{} && state.pinOffsets == PinOffsets{} &&
                    state.counters == StepCounters{} && state.passState == PassState{})
            << fails << closes;
        EXPECT_EQ(runRounds, 2);
        EXPECT_EQ(desktop.endStatuses, std::vector<int>(closes ? 1 : 0, 0));
        EXPECT_FALSE(desktop.busy || window.locked);
        ASSERT_EQ(desktop.messages.size(), fails ? 1u : 0u);
        if (fails) {
            EXPECT_EQ(Box(), u"keep me");
            EXPECT_EQ(desktop.messages[0].prompt,
                      u"The Txt Could Not Be Worked On; It Is Left As It Was");
            EXPECT_EQ(desktop.messages[0].style, MessageStyle::Critical);
            EXPECT_FALSE(window.Enabled(MenuItem::CopyToClipboard));
            EXPECT_FALSE(window.visible[Control::Label3]);
            desktop.messages.clear();
        }
    }
}

TEST_F(FormTest, CopyPutsTheBoxTextOnTheClipboardOrSaysItCouldNot) {
    desktop.clipboard = u"earlier";
    form->CopyToClipboard_Click();  // of an empty box, too
    EXPECT_TRUE(desktop.clipboard.empty());
    window.texts[Control::Text1] = u"line one\nline two\u00A0";
    form->CopyToClipboard_Click();
    EXPECT_EQ(desktop.clipboard, u"line one\nline two\u00A0");
    desktop.clipboardFails = true;
    form->CopyToClipboard_Click();
    ASSERT_EQ(desktop.messages.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(desktop.messages[i].prompt, u" Your Txt \n\n Has Been Copyed To Clipboard ");
        EXPECT_EQ(desktop.messages[i].title, u" Velk Encrypt Decrypt ");
        EXPECT_EQ(desktop.messages[i].style, MessageStyle::Information);
    }
    EXPECT_EQ(desktop.messages[2].prompt,
              u"Your Txt Could Not Be Put On The Clipboard; Please Try Again");
    EXPECT_EQ(desktop.messages[2].title, u" Velk Encrypt Decrypt V2");
    EXPECT_EQ(desktop.messages[2].style, MessageStyle::Critical);
}

TEST_F(FormTest, ExitSlidesOnceAndEndsWithStatusZeroAndNothingRunsAfter) {
    form->Exit1_Click();
    EXPECT_GT(window.frame.top, window.screen);
    const WindowGeometry end = window.frame;
    int cancel = 1;
    form->Form_Unload(cancel);  // after Exit1 it does not slide again
    EXPECT_EQ(cancel, 0);
    form->Exit1_Click();
    EXPECT_EQ(window.frame.top, end.top);
    EXPECT_EQ(desktop.endStatuses, std::vector<int>{0});
    Run(Encrypt, u"x", u"12345678");
    form->CopyToClipboard_Click();
    EXPECT_TRUE(desktop.messages.empty() && desktop.clipboard.empty());
    EXPECT_EQ(Box(), u"x");
}

}  // namespace
}  // namespace velk::ui::testing
