// Fixed ciphertexts of both editions' keys (line breaks CR LF, as the passes
// see them). Users keep texts enciphered with these keys and this algorithm;
// any change to either shows up here first.
#include <gtest/gtest.h>

#include <unordered_map>

#include "classic/fixed_keys.h"
#include "tests/support/test_data.h"

namespace velk {
namespace {

using test::RunPasses;

struct Vector {
    const char* name;
    std::u16string plain;
    std::u16string pin;
    std::vector<std::u16string> keys;  // none: the classic edition's fixed keys
    int passes;
    std::u16string cipher;
};

std::u16string Work(const Vector& v, Direction direction, const std::u16string& text) {
    static const KeySet classic = classic::FixedMasterKeySet();
    return v.keys.empty() ? RunPasses(direction, text, v.pin, classic, v.passes)
                          : RunPasses(direction, text, v.pin, v.keys, v.passes);
}

class KnownAnswer : public ::testing::TestWithParam<Vector> {};

TEST_P(KnownAnswer, ForwardGivesTheStoredTextAndInverseThePlainText) {
    EXPECT_EQ(Work(GetParam(), Direction::Forward, GetParam().plain), GetParam().cipher);
    EXPECT_EQ(Work(GetParam(), Direction::Inverse, GetParam().cipher), GetParam().plain);
}

const std::u16string Mixed =
    u"Tab\there, \"quoted\" C:\\path\? \u00AC\u00A3\u20AC\u00BF\u00A7\u00D8\r\nnext line!";
const std::u16string ClassicMixed =
    u"Pay \u00A3100 or \u20AC120\? \u00AC\u00BF\u00A7\u00D8\r\nDone!";
const std::u16string Pangrams =
    u"The quick brown fox jumps over the lazy dog. The quick brown fox jumps over the lazy dog. "
    u"The quick brown fox jumps over the lazy dog. The quick brown";

// One vector a line or two.
// clang-format off
INSTANTIATE_TEST_SUITE_P(BothKeySets, KnownAnswer, ::testing::Values(
    Vector{"OnePass", u"Attack at dawn!", u"12345678", {u"01", u"02", u"03", u"04"}, 1,
           u"bAoaR'-(D\u00A3-Gw)!"},
    Vector{"AllKeysTurnAtFirst", Mixed, u"99999999", {u"17", u"58", u"99", u"42"}, 1,
           u"Xad\t\?UQm]\u00ACvqQ0n\?&r6pm'V2,p%#>)_oIS\r\nX\\se\u20AC,ej)!"},
    Vector{"ThreePasses", Mixed, u"00000000", {u"99", u"98", u"97", u"96"}, 3,
           u"\?L@\t+XDSL OO@\u20AC}4\u00A3FOL\u00BF@I~;46C\u00BFI0d2v\r\nV[O: z\u20AC~h!"},
    Vector{"KeyTwoTurnsTwice", Pangrams, u"98990000", {u"11", u"22", u"33", u"44"}, 3,
           u"DxJaGNr;16Uc\u20ACz+jrK*\u00BF\?T7$_\\$cd\\3$V\u00AC:['z5|>igWc\?@wE\"u0e]jQf5sDM="
           u"7O*NLk`~T#1[6\u00A7)i*SS=V+c7DKC.k/UHTP**:A}CvZdBv1o<\u00D8v=NwYAD3L\u00D8\?4<gZ "
           u"\u00BFG yn|pB^3lKj)Lp1\u00D87i\u00BFyo"},
    Vector{"MostPasses", u"Attack at dawn!", u"31415926", {u"05", u"50", u"25", u"75"}, 256,
           u"X2\?1>rLIR9\u00D8mK'!"},
    Vector{"ClassicLineBreak", u"ab\r\ncd", u"12345678", {}, 1, u"Ml\r\nl$"},
    Vector{"ClassicAllKeysTurnAtFirst", ClassicMixed, u"99999999", {}, 1,
           u"q5.L1`Ez\"_$F`Oxrk\u00D8X3.G\r\nW^uK!"},
    Vector{"ClassicThreePasses", ClassicMixed, u"04729913", {}, 3,
           u"K 8m{&|b:MO\u00D8Bh)$+\?`PGS\r\nY\?V>!"}),
    [](const auto& p) { return std::string(p.param.name); });
// clang-format on

// A key equal to a turn of another would make two key choices give the same
// cipher, and a classic key among the library's would let the editions read
// each other's texts.
TEST(KeySets, AreKeysAndNoneIsATurnOfAnother) {
    const KeySet classic = classic::FixedMasterKeySet();
    ASSERT_EQ(test::Library()[0], Alphabet());
    ASSERT_EQ(classic[0], Alphabet());
    std::vector<std::u16string> keys(test::Library().begin(), test::Library().end());
    keys.insert(keys.end(), classic.begin() + 1, classic.end());
    std::unordered_map<std::u16string, std::size_t> owner;
    for (std::size_t n = 0; n < keys.size(); ++n) {
        EXPECT_TRUE(IsKey(keys[n])) << "key " << n;
        for (int turn = 0; turn < KeyLength; ++turn) {
            const auto [at, inserted] = owner.emplace(TurnKey(keys[n], turn), n);
            EXPECT_TRUE(inserted) << "key " << n << " turned by " << turn << " is key "
                                  << at->second;
        }
    }
    const std::u16string& a = Alphabet();
    EXPECT_FALSE(IsKey(a.substr(1)) || IsKey(a.substr(0, 99) + u"q") ||
                 IsKey(a.substr(0, 99) + u"!"));
    KeyLibrary again;
    again.fill(u"left over");
    FillKeyLibrary(again);
    EXPECT_EQ(again, test::Library());
    EXPECT_EQ(classic::FixedMasterKeySet(), classic);
}

}  // namespace
}  // namespace velk
