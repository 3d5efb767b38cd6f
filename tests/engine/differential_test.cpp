// The fast passes against the literal reference: both start from the same
// prepared state and must leave the holders, the working keys, the counters
// and the pass state exactly alike.
#include <gtest/gtest.h>

#include <random>

#include "tests/engine/cipher_runs.h"
#include "tests/support/reference_cipher.h"

namespace velk {
namespace {

using test::Direction;

struct Outcome {
    CipherState state;
    std::u16string text1;
    std::u16string text2;
};

Outcome RunOne(test::PassFunction pass, const CipherState& prepared, const std::u16string& text,
               const std::u16string& buffer) {
    Outcome out{prepared, {}, {}};
    MemoryTextHolder text1(text);
    MemoryTextHolder text2(buffer);
    pass(out.state, text1, text2);
    out.text1 = text1.ReadText();
    out.text2 = text2.ReadText();
    return out;
}

// Runs both implementations and reports the first difference.
void ExpectSameAsReference(Direction direction, const std::u16string& text,
                           const std::u16string& pin, const test::KeyTexts& keys,
                           const std::u16string& buffer = {}) {
    CipherState prepared;
    PreparePass(prepared, test::Library(), pin, keys);
    // Leftovers of an earlier pass, which an empty text must not disturb.
    prepared.passState = {1234, 56, u"~"};

    const auto reference =
        direction == Direction::Forward ? &reference::ForwardPass : &reference::InversePass;
    const Outcome fast = RunOne(test::FastPass(direction), prepared, text, buffer);
    const Outcome slow = RunOne(reference, prepared, text, buffer);

    SCOPED_TRACE(::testing::Message()
                 << (direction == Direction::Forward ? "forward" : "inverse") << " length "
                 << text.size() << " PIN " << std::string(pin.begin(), pin.end()));
    ASSERT_EQ(fast.text1, slow.text1);
    EXPECT_EQ(fast.text2, slow.text2);
    EXPECT_EQ(fast.state.workingKeys, slow.state.workingKeys);
    EXPECT_EQ(fast.state.counters, slow.state.counters);
    EXPECT_EQ(fast.state.pinOffsets, slow.state.pinOffsets);
    EXPECT_EQ(fast.state.passState, slow.state.passState);
}

// PINs whose pairs make keys 2, 3 and 4 turn early, or not at all.
const std::u16string CarryPins[] = {u"99999999", u"98990000", u"00009996", u"00999900", u"99009900",
                                    u"00000000", u"01010101", u"50505050", u"99989799"};

TEST(Differential, ManyShortRandomTexts) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> length(0, 300);
    for (int i = 0; i < 300; ++i) {
        const auto pin = i % 3 == 0
                             ? CarryPins[static_cast<std::size_t>(i / 3) % std::size(CarryPins)]
                             : test::RandomPin(random);
        const auto direction = i % 2 == 0 ? Direction::Forward : Direction::Inverse;
        ExpectSameAsReference(direction, test::RandomText(random, length(random)), pin,
                              test::RandomKeys(random));
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

TEST(Differential, LengthsAroundCarries) {
    std::mt19937 random(7);
    for (const std::size_t length : {0, 1, 2, 99, 100, 101, 198, 199, 200, 298}) {
        for (const auto& pin : CarryPins) {
            for (const auto direction : {Direction::Forward, Direction::Inverse}) {
                ExpectSameAsReference(direction, test::RandomText(random, length), pin,
                                      test::RandomKeys(random));
            }
        }
    }
}

TEST(Differential, TextInTheBufferIsKeptInFront) {
    std::mt19937 random(11);
    for (const auto direction : {Direction::Forward, Direction::Inverse}) {
        ExpectSameAsReference(direction, test::RandomText(random, 150), u"98990000",
                              test::RandomKeys(random), u"already here\r\n\u00D8");
    }
}

// Long enough for key 3 to turn with all counters at 0 (after 9,901).
TEST(Differential, KeyThreeTurns) {
    std::mt19937 random(3);
    ExpectSameAsReference(Direction::Inverse, test::RandomText(random, 9901), u"00000042",
                          test::RandomKeys(random));
}

TEST(Differential, LongestText) {
    std::mt19937 random(5);
    for (const auto direction : {Direction::Forward, Direction::Inverse}) {
        ExpectSameAsReference(direction, test::RandomText(random, MaxTextLength), u"99999999",
                              test::RandomKeys(random));
    }
}

}  // namespace
}  // namespace velk
