// Fixed ciphertexts. Users keep texts enciphered with these keys and this
// algorithm; any change to either shows up here first.
#include <gtest/gtest.h>

#include "tests/engine/cipher_runs.h"

namespace velk {
namespace {

using test::Direction;
using test::RunPasses;

struct Vector {
    const char* name;
    std::u16string plain;
    std::u16string pin;
    test::KeyTexts keys;
    int passes;
    std::u16string cipher;
};

class KnownAnswer : public ::testing::TestWithParam<Vector> {};

TEST_P(KnownAnswer, ForwardGivesTheStoredText) {
    const auto& v = GetParam();
    EXPECT_EQ(RunPasses(Direction::Forward, v.plain, v.pin, v.keys, v.passes), v.cipher);
}

TEST_P(KnownAnswer, InverseGivesThePlainTextBack) {
    const auto& v = GetParam();
    EXPECT_EQ(RunPasses(Direction::Inverse, v.cipher, v.pin, v.keys, v.passes), v.plain);
}

const std::u16string Mixed =
    u"Tab\there, \"quoted\" C:\\path\? \u00AC\u00A3\u20AC\u00BF\u00A7\u00D8\r\nnext line!";

const std::u16string Pangrams =
    u"The quick brown fox jumps over the lazy dog. The quick brown fox jumps over the lazy dog. "
    u"The quick brown fox jumps over the lazy dog. The quick brown";

INSTANTIATE_TEST_SUITE_P(
    Vectors, KnownAnswer,
    ::testing::Values(
        Vector{"OnePass",
               u"Attack at dawn!",
               u"12345678",
               {u"01", u"02", u"03", u"04"},
               1,
               u"bAoaR'-(D\u00A3-Gw)!"},
        Vector{"AllKeysTurnAtFirst",
               Mixed,
               u"99999999",
               {u"17", u"58", u"99", u"42"},
               1,
               u"Xad\t\?UQm]\u00ACvqQ0n\?&r6pm'V2,p%#>)_oIS\r\nX\\se\u20AC,ej)!"},
        Vector{"ThreePasses",
               Mixed,
               u"00000000",
               {u"99", u"98", u"97", u"96"},
               3,
               u"\?L@\t+XDSL OO@\u20AC}4\u00A3FOL\u00BF@I~;46C\u00BFI0d2v\r\nV[O: z\u20AC~h!"},
        Vector{"KeyTwoTurnsTwice",
               Pangrams,
               u"98990000",
               {u"11", u"22", u"33", u"44"},
               3,
               u"DxJaGNr;16Uc\u20ACz+jrK*\u00BF\?T7$_\\$cd\\3$V\u00AC:['z5|>igWc\?@wE\"u0e]jQf5sDM="
               u"7O*NLk`~T#1[6"
               u"\u00A7)i*SS=V+c7DKC.k/UHTP**:A}CvZdBv1o<\u00D8v=NwYAD3L\u00D8\?4<gZ \u00BFG "
               u"yn|pB^3lKj)Lp1\u00D87i"
               u"\u00BFyo"},
        Vector{"MostPasses",
               u"Attack at dawn!",
               u"31415926",
               {u"05", u"50", u"25", u"75"},
               256,
               u"X2\?1>rLIR9\u00D8mK'!"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace velk
