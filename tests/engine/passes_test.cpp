// The fast passes against the literal reference, each direction undoing the
// other, and what a pass refuses before it touches anything.
#include "engine/passes.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <vector>

#include "engine/key_preparation.h"
#include "tests/support/reference_cipher.h"
#include "tests/support/test_data.h"

namespace velk {
namespace {

using reference::RunOnePass;
using test::RunPasses;

CipherState Prepared(std::u16string_view pin, const test::KeyTexts& keys) {
    CipherState state;
    PreparePass(state, test::Library(), pin, keys);
    state.passState = {1234, 56, u"~"};  // an earlier pass's leftovers
    return state;
}

// Both implementations from the same prepared state must leave the holders,
// the working keys, the counters and the pass state exactly alike.
void ExpectSameAsReference(const std::u16string& text, std::u16string_view pin,
                           const test::KeyTexts& keys, const std::u16string& buffer = {}) {
    const CipherState prepared = Prepared(pin, keys);
    SCOPED_TRACE(::testing::Message()
                 << "length " << text.size() << " PIN " << std::string(pin.begin(), pin.end()));
    EXPECT_TRUE(RunOnePass(ForwardPass, prepared, text, buffer) ==
                RunOnePass(reference::ForwardPass, prepared, text, buffer));
    EXPECT_TRUE(RunOnePass(InversePass, prepared, text, buffer) ==
                RunOnePass(reference::InversePass, prepared, text, buffer));
}

// PINs whose pairs make keys 2, 3 and 4 turn early, or not at all.
const std::u16string CarryPins[] = {u"99999999", u"98990000", u"00009996", u"00999900",
                                    u"99009900", u"00000000", u"01010101", u"99989799"};

struct Carry {
    const char* pin;  // its first three pairs are the counters' start values
    std::size_t characters;
    StepCounters counters;     // after that many characters
    std::array<int, 3> turns;  // of keys 2, 3 and 4 by then
};

class Carries : public ::testing::TestWithParam<Carry> {};

// The odometer of the keys: a counter restarts at 1, so its first carry comes
// after (100 - start) characters and every later one after 99.
TEST_P(Carries, TurnKeysTwoToFourAfterTheirCountedCharacters) {
    const Carry& c = GetParam();
    const std::u16string pin(c.pin, c.pin + 8);
    const CipherState prepared = Prepared(pin, {u"01", u"02", u"03", u"04"});
    const std::u16string text(c.characters, u'x');
    // The reference checks itself on the shorter rows; it is quadratic.
    for (const reference::PassFunction pass : {ForwardPass, reference::ForwardPass}) {
        if (pass != ForwardPass && c.characters > 9901) {
            continue;
        }
        const auto after = RunOnePass(pass, prepared, text);
        EXPECT_EQ(std::get<StepCounters>(after), c.counters);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(std::get<KeySet>(after)[k + 2],
                      TurnKey(prepared.workingKeys[k + 2], c.turns[k] % KeyLength))
                << "key " << k + 2;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WorkedExample, Carries, ::testing::Values(
    Carry{"98990000", 1, {99, 99, 0}, {0, 0, 0}},
    Carry{"98990000", 2, {1, 1, 1}, {1, 1, 0}},
    Carry{"98990000", 3, {2, 1, 1}, {1, 1, 0}},
    Carry{"98990000", 101, {1, 2, 1}, {2, 1, 0}},
    Carry{"98990000", 200, {1, 3, 1}, {3, 1, 0}},
    Carry{"98990000", 9802, {99, 99, 1}, {99, 1, 0}},
    Carry{"98990000", 9803, {1, 1, 2}, {100, 2, 0}},
    Carry{"99999900", 1, {1, 1, 1}, {1, 1, 1}},
    Carry{"00000000", 99, {99, 0, 0}, {0, 0, 0}},
    Carry{"00000000", 100, {1, 1, 0}, {1, 0, 0}},
    Carry{"00000000", 199, {1, 2, 0}, {2, 0, 0}},
    Carry{"00000000", 9900, {99, 99, 0}, {99, 0, 0}},
    Carry{"00000000", 9901, {1, 1, 1}, {100, 1, 0}},
    Carry{"00000000", 19702, {1, 1, 2}, {199, 2, 0}},
    Carry{"00000000", 29503, {1, 1, 3}, {298, 3, 0}},
    Carry{"00999600", 29503, {1, 1, 1}, {298, 4, 1}}));
// clang-format on

TEST(Passes, MatchTheReferenceOnRandomTextsAroundTheCarries) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> length(0, 300);
    for (int i = 0; i < 200 && !::testing::Test::HasFailure(); ++i) {
        const auto pin =
            i % 2 == 0 ? CarryPins[static_cast<std::size_t>(i / 2) % 8] : test::RandomPin(random);
        const std::size_t lengths[] = {0, 1, 99, 100, 101, 199, 200, 298};
        const std::size_t n = i < 16 ? lengths[i % 8] : length(random);
        ExpectSameAsReference(test::RandomText(random, n), pin, test::RandomKeys(random),
                              i % 5 == 0 ? u"left in the buffer\r\n\u00D8" : u"");
    }
}

// Key 3 turns after 9,901 characters with every counter at 0.
TEST(Passes, MatchTheReferenceOnLongTexts) {
    std::mt19937 random(5);
    ExpectSameAsReference(test::RandomText(random, 9901), u"00000042", test::RandomKeys(random));
    ExpectSameAsReference(test::RandomText(random, MaxTextLength), u"99999999",
                          test::RandomKeys(random));
}

TEST(Passes, RefuseBeforeTouchingTheTextOrTheState) {
    const std::vector<std::pair<const char*, std::function<void(CipherState&, std::u16string&)>>>
        spoil = {
            {"text too long", [](CipherState&, std::u16string& t) { t.resize(MaxTextLength + 1); }},
            {"slot 0 turned",
             [](CipherState& s, auto&) { s.workingKeys[0] = TurnKey(Alphabet(), 1); }},
            {"slot 2 short", [](CipherState& s, auto&) { s.workingKeys[2].pop_back(); }},
            {"slot 3 repeats",
             [](CipherState& s, auto&) { s.workingKeys[3][0] = s.workingKeys[3][1]; }},
            {"slot 4 foreign", [](CipherState& s, auto&) { s.workingKeys[4][50] = u'!'; }},
            {"Count1 100", [](CipherState& s, auto&) { s.counters.Count1 = 100; }},
            {"Count2 negative", [](CipherState& s, auto&) { s.counters.Count2 = -1; }},
            {"Count3 100", [](CipherState& s, auto&) { s.counters.Count3 = 100; }},
        };
    for (const auto& [name, apply] : spoil) {
        for (const reference::PassFunction pass : {ForwardPass, InversePass}) {
            SCOPED_TRACE(name);
            CipherState state = Prepared(u"12345678", {u"01", u"02", u"03", u"04"});
            std::u16string text = u"some text";
            apply(state, text);
            const CipherState before = state;
            MemoryTextHolder text1(text);
            MemoryTextHolder text2(u"buffer");
            EXPECT_THROW(pass(state, text1, text2), std::logic_error);
            EXPECT_EQ(text1.ReadText() + text2.ReadText(), text + u"buffer");
            EXPECT_TRUE(state.workingKeys == before.workingKeys &&
                        state.counters == before.counters);
        }
    }
    EXPECT_TRUE(FitsPass(MaxTextLength));
    EXPECT_FALSE(FitsPass(MaxTextLength + 1));
}

}  // namespace
}  // namespace velk
