// The classic edition's four fixed keys: what they are, what they must not
// be, and the ciphertexts they give. Texts users keep depend on these keys;
// any change to them shows up here first.
#include <gtest/gtest.h>

#include <set>

#include "tests/classic/classic_runs.h"

namespace velk::classic::testing {
namespace {

TEST(FixedKeys, AreFourKeysAfterTheAlphabet) {
    const KeySet master = FixedMasterKeySet();
    EXPECT_EQ(master[0], Alphabet());
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_TRUE(IsKey(master[slot])) << "slot " << slot;
    }
    EXPECT_EQ(FixedMasterKeySet(), master);  // built the same at every start
}

TEST(FixedKeys, NoneIsATurnOfALibraryKeyTheAlphabetOrAnotherFixedKey) {
    const KeySet master = FixedMasterKeySet();
    // Every turn of the Alphabet (library entry 0) and of the 99 library keys.
    std::set<std::u16string> libraryTurns;
    for (const std::u16string& entry : test::Library()) {
        for (int n = 0; n < KeyLength; ++n) {
            libraryTurns.insert(TurnKey(entry, n));
        }
    }
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_FALSE(libraryTurns.contains(master[slot])) << "slot " << slot;
        for (int other = 1; other <= 4; ++other) {
            for (int n = 0; other != slot && n < KeyLength; ++n) {
                EXPECT_NE(TurnKey(master[other], n), master[slot])
                    << "slot " << slot << " is slot " << other << " turned by " << n;
            }
        }
    }
}

// ---- Known answers -----------------------------------------------------------

struct Vector {
    const char* name;
    std::u16string plain;
    std::u16string pin;
    int passes;
    std::u16string cipher;
};
void PrintTo(const Vector& v, std::ostream* os) {
    *os << v.name;
}

class ClassicKnownAnswer : public ::testing::TestWithParam<Vector> {};

TEST_P(ClassicKnownAnswer, ForwardGivesTheStoredTextAndInverseTheTextBack) {
    const Vector& v = GetParam();
    EXPECT_EQ(ClassicRun(Direction::Forward, v.plain, v.pin, v.passes), v.cipher);
    EXPECT_EQ(ClassicRun(Direction::Inverse, v.cipher, v.pin, v.passes), v.plain);
}

// The six Alphabet characters outside ASCII, a line break and a character
// outside the Alphabet ("!").
const std::u16string Mixed = u"Pay \u00A3100 or \u20AC120\? \u00AC\u00BF\u00A7\u00D8\r\nDone!";

INSTANTIATE_TEST_SUITE_P(
    Vectors, ClassicKnownAnswer,
    ::testing::Values(
        Vector{"OnePass", u"Attack at dawn!", u"12345678", 1, u"/'nIlbB\u00ACk)lxnq!"},
        Vector{"AllKeysTurnAtFirst", Mixed, u"99999999", 1,
               u"q5.L1`Ez\"_$F`Oxrk\u00D8X3.G\r\nW^uK!"},
        Vector{"ThreePasses", Mixed, u"04729913", 3, u"K 8m{&|b:MO\u00D8Bh)$+\?`PGS\r\nY\?V>!"},
        Vector{"QuotesAndRepeats", u"\"Quoted\" \u00D8\u00D8\u00D8\u00D8 \r\n aaaaaaaa!",
               u"00000000", 3, u"*#-M _}<r&5Tfj\r\nI35,e@fw)!"}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- The editions do not read each other's texts -----------------------------

class AcrossEditions : public ::testing::TestWithParam<test::KeyTexts> {};

TEST_P(AcrossEditions, TextOfOneEditionDoesNotComeBackByTheOther) {
    const test::KeyTexts& keys = GetParam();
    const std::u16string plain = u"Meet at the \"old\" gate at 10\? \u00A3\u20AC\u00D8";
    for (const std::u16string_view pin : {u"12345678", u"00000000", u"99999999"}) {
        for (const int passes : {1, 3}) {
            const std::u16string classicCipher = ClassicRun(Direction::Forward, plain, pin, passes);
            EXPECT_NE(test::RunPasses(Direction::Inverse, classicCipher, pin, keys, passes), plain);
            const std::u16string libraryCipher =
                test::RunPasses(Direction::Forward, plain, pin, keys, passes);
            EXPECT_NE(ClassicRun(Direction::Inverse, libraryCipher, pin, passes), plain);
            EXPECT_NE(classicCipher, libraryCipher);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LibraryKeys, AcrossEditions,
                         ::testing::Values(test::KeyTexts{u"01", u"02", u"03", u"04"},
                                           test::KeyTexts{u"17", u"58", u"99", u"42"},
                                           test::KeyTexts{u"99", u"98", u"97", u"96"},
                                           test::KeyTexts{u"05", u"50", u"25", u"75"}));

}  // namespace
}  // namespace velk::classic::testing
