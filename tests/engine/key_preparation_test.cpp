#include "engine/key_preparation.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/engine/cipher_runs.h"

namespace velk {
namespace {

using test::Library;

const test::KeyTexts Keys1234 = {u"01", u"02", u"03", u"04"};

void ExpectSameState(const CipherState& a, const CipherState& b) {
    EXPECT_EQ(a.workingKeys, b.workingKeys);
    EXPECT_EQ(a.pinOffsets, b.pinOffsets);
    EXPECT_EQ(a.counters, b.counters);
    EXPECT_EQ(a.passState, b.passState);
}

TEST(SelectKeys, TakesTheNamedEntriesBesideTheAlphabet) {
    const auto master = SelectKeys(Library(), {1, 99, 50, 1});
    EXPECT_EQ(master[0], Alphabet());
    EXPECT_EQ(master[1], Library()[1]);
    EXPECT_EQ(master[2], Library()[99]);
    EXPECT_EQ(master[3], Library()[50]);
    EXPECT_EQ(master[4], Library()[1]);
}

TEST(PreparePass, ZeroPairsLeaveTheMasterKeysAsTheyAre) {
    CipherState state;
    PreparePass(state, Library(), u"00000000", Keys1234);
    EXPECT_EQ(state.workingKeys, SelectKeys(Library(), {1, 2, 3, 4}));
    EXPECT_EQ(state.pinOffsets, (PinOffsets{0, 0, 0, 0}));
    EXPECT_EQ(state.counters, (StepCounters{0, 0, 0}));
}

TEST(PreparePass, EachPairTurnsItsKeyAndStartsItsCounter) {
    CipherState state;
    PreparePass(state, Library(), u"99013742", test::KeyTexts{u"99", u"1", u"17", u"58"});
    const auto& lib = Library();
    EXPECT_EQ(state.workingKeys[0], Alphabet());
    // 99 brings the last character to the front; 1 sends the first to the end.
    EXPECT_EQ(state.workingKeys[1], lib[99].substr(99) + lib[99].substr(0, 99));
    EXPECT_EQ(state.workingKeys[2], lib[1].substr(1) + lib[1].substr(0, 1));
    EXPECT_EQ(state.workingKeys[3], TurnKey(lib[17], 37));
    EXPECT_EQ(state.workingKeys[4], TurnKey(lib[58], 42));
    EXPECT_EQ(state.pinOffsets, (PinOffsets{99, 1, 37, 42}));
    EXPECT_EQ(state.counters, (StepCounters{99, 1, 37}));
}

TEST(PreparePass, StartsAfreshWhateverThePassBeforeDid) {
    CipherState first;
    PreparePass(first, Library(), u"99999999", Keys1234);
    CipherState state = first;
    MemoryTextHolder text1(std::u16string(5000, u'a'));
    MemoryTextHolder text2;
    ForwardPass(state, text1, text2);
    ASSERT_NE(state.workingKeys, first.workingKeys);
    PreparePass(state, Library(), u"99999999", Keys1234);
    EXPECT_EQ(state.workingKeys, first.workingKeys);
    EXPECT_EQ(state.counters, first.counters);
    EXPECT_EQ(state.pinOffsets, first.pinOffsets);
}

TEST(PreparePass, FixedKeysPrepareLikeLibraryKeys) {
    CipherState fromLibrary;
    CipherState fromFixed;
    PreparePass(fromLibrary, Library(), u"12345678", test::KeyTexts{u"05", u"06", u"07", u"08"});
    PreparePass(fromFixed, SelectKeys(Library(), {5, 6, 7, 8}), u"12345678");
    ExpectSameState(fromFixed, fromLibrary);
}

struct BadInput {
    const char* name;
    std::u16string pin;
    std::vector<std::u16string> keys;
};

class PreparePassRefuses : public ::testing::TestWithParam<BadInput> {};

TEST_P(PreparePassRefuses, AndPreparesNothing) {
    const auto& c = GetParam();
    CipherState state;
    PreparePass(state, Library(), u"11223344", test::KeyTexts{u"09", u"10", u"11", u"12"});
    state.passState = {7, 8, u"x"};
    const CipherState before = state;
    EXPECT_THROW(PreparePass(state, Library(), c.pin, c.keys), std::invalid_argument);
    ExpectSameState(state, before);
    if (ValidateRunInput(c.pin) != RunInputCheck::Ok) {
        EXPECT_THROW(PreparePass(state, SelectKeys(Library(), {1, 2, 3, 4}), c.pin),
                     std::invalid_argument);
        ExpectSameState(state, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, PreparePassRefuses,
    ::testing::Values(BadInput{"ShortPin", u"1234567", {u"01", u"02", u"03", u"04"}},
                      BadInput{"LongPin", u"123456789", {u"01", u"02", u"03", u"04"}},
                      BadInput{"LetterInPin", u"12a45678", {u"01", u"02", u"03", u"04"}},
                      BadInput{"EmptyPin", u"", {u"01", u"02", u"03", u"04"}},
                      BadInput{"KeyZero", u"12345678", {u"01", u"02", u"03", u"00"}},
                      BadInput{"KeyHundred", u"12345678", {u"100", u"02", u"03", u"04"}},
                      BadInput{"KeyText", u"12345678", {u"01", u"two", u"03", u"04"}},
                      BadInput{"ThreeKeys", u"12345678", {u"01", u"02", u"03"}}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace velk
