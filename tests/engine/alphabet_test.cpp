#include "engine/alphabet.h"

#include <gtest/gtest.h>

#include <set>

namespace velk {
namespace {

TEST(Alphabet, HoldsOneHundredDifferentCharactersInKeyboardOrder) {
    const auto& a = Alphabet();
    ASSERT_EQ(a.size(), 100U);
    EXPECT_EQ(std::set<char16_t>(a.begin(), a.end()).size(), 100U);
    EXPECT_EQ(a[0], u'q');
    EXPECT_EQ(a[25], u'm');
    EXPECT_EQ(a[26], u'Q');
    EXPECT_EQ(a[52], u'1');
    EXPECT_EQ(a[62], u' ');
    EXPECT_EQ(a[63], u'`');
    EXPECT_EQ(a[75], u'\u00AC');
    EXPECT_EQ(a[94], u'\?');
    EXPECT_EQ(a[95], u'\u20AC');
    EXPECT_EQ(a[98], u'\u00D8');
    EXPECT_EQ(a[99], char16_t{34});
}

TEST(Alphabet, HoldsEveryPrintableAsciiCharacterButTheExclamationMark) {
    for (char16_t c = 0x20; c <= 0x7E; ++c) {
        EXPECT_EQ(AlphabetIndex(c) >= 0, c != u'!') << static_cast<int>(c);
    }
    for (const char16_t c :
         {u'\t', u'\r', u'\n', u'\u00A0', u'\u00D9', u'\u20AB', char16_t{0xD800}, u'\uFFFF'}) {
        EXPECT_EQ(AlphabetIndex(c), -1) << static_cast<int>(c);
    }
    for (int i = 0; i < KeyLength; ++i) {
        EXPECT_EQ(AlphabetIndex(Alphabet()[static_cast<std::size_t>(i)]), i);
    }
}

TEST(IsKey, AcceptsOnlyPermutationsOfTheAlphabet) {
    const auto& a = Alphabet();
    EXPECT_TRUE(IsKey(a));
    EXPECT_TRUE(IsKey(std::u16string(a.rbegin(), a.rend())));
    EXPECT_FALSE(IsKey(a.substr(1)));
    EXPECT_FALSE(IsKey(a + u"q"));
    auto doubled = a;
    doubled[1] = u'q';
    EXPECT_FALSE(IsKey(doubled));
    auto foreign = a;
    foreign[99] = u'!';
    EXPECT_FALSE(IsKey(foreign));
    EXPECT_FALSE(IsKey(u""));
}

TEST(TurnKey, MovesTheFirstCharactersToTheEnd) {
    const auto& a = Alphabet();
    EXPECT_EQ(TurnKey(a, 0), a);
    EXPECT_EQ(TurnKey(TurnKey(a, 1), 99), a);
    EXPECT_EQ(TurnKey(TurnKey(a, 37), 63), a);

    const auto once = TurnKey(a, 1);
    ASSERT_EQ(once.size(), 100U);
    EXPECT_EQ(once.front(), u'w');
    EXPECT_EQ(once.substr(98), std::u16string({char16_t{34}, u'q'}));

    const auto last = TurnKey(a, 99);
    EXPECT_EQ(last.front(), char16_t{34});
    EXPECT_EQ(last.substr(1), a.substr(0, 99));
}

TEST(JoinKey, PutsTheDoubleQuoteBetweenThePieces) {
    EXPECT_EQ(JoinKey({u"ab", u"cd"}), u"ab\"cd");
    EXPECT_EQ(JoinKey({u"ab", u""}), u"ab\"");
    EXPECT_EQ(JoinKey({u"", u"cd"}), u"\"cd");
}

}  // namespace
}  // namespace velk
