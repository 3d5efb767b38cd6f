// The fast passes against the literal reference, each direction undoing the
// other, and what a pass refuses before it touches anything.
#include "engine/passes.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "engine/key_preparation.h"
#include "tests/support/reference_cipher.h"
#include "tests/support/test_data.h"

namespace velk {
namespace {

using reference::RunOnePass;
using test::Direction;
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

// The counters start at the PIN's first three digit pairs. The comparisons
// with the reference start from the same prepared state, so they cannot see
// a counter taken from the wrong pair.
TEST(Passes, StartTheirCountersAtThePinPairs) {
    EXPECT_EQ(Prepared(u"12345678", {u"01", u"02", u"03", u"04"}).counters,
              (StepCounters{12, 34, 56}));
}

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
