// The conversions against UTF8-CPP's checked ones and the engine's line
// breaks, on texts that put each kind of sequence, valid or not, and each
// line break at every place in and between the runs of ASCII the
// conversions take at once, and at the end.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <utf8.h>

#include "cli/utf8.h"
#include "engine/line_breaks.h"

namespace velk::cli {
namespace {

// Line breaks and the other controls, sequences of each length, and each
// way of not being UTF-8.
constexpr std::array<std::string_view, 17> Pieces{
    "\n",
    "\r",
    "\r\n",
    "\t",
    std::string_view("\0", 1),
    "\xC2\xA3",
    "\xDF\xBF",
    "\xE2\x82\xAC",
    "\xEF\xBF\xBF",
    "\xF0\x9F\x98\x80",
    "\x80",              // a stray continuation byte
    "\xC1\xBF",          // overlong
    "\xE0\x9F\xBF",      // overlong in three bytes
    "\xED\xA0\x80",      // a surrogate
    "\xF4\x90\x80\x80",  // past U+10FFFF
    "\xE2\x82",          // cut short
    "\xFF",
};
constexpr std::size_t ValidPieces = 10;

// A text of runs of 0 to 20 ASCII letters, each followed by a piece; with
// `valid`, only the UTF-8 ones.
std::string RandomText(std::mt19937& random, bool valid) {
    std::uniform_int_distribution<std::size_t> run(0, 20);
    std::uniform_int_distribution<std::size_t> piece(0, (valid ? ValidPieces : Pieces.size()) - 1);
    std::string text;
    for (int k = std::uniform_int_distribution<int>(0, 12)(random); k > 0; --k) {
        text.append(run(random), 'x');
        text += Pieces[piece(random)];
    }
    return text;
}

// Decoded as UTF8-CPP decodes, and with line breaks as the engine makes
// them CR LF, or refused from where UTF8-CPP finds the first invalid
// sequence; encoded back with the spellings to the same bytes.
TEST(Utf8, DecodesAsUtf8CppAndTheEngineAndEncodesBack) {
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        const std::string bytes = RandomText(random, round % 2 == 0);
        const auto invalid = utf8::find_invalid(bytes.begin(), bytes.end());
        if (invalid == bytes.end()) {
            const std::u16string text = utf8::utf8to16(bytes);
            ASSERT_EQ(DecodeUtf8(bytes), text) << testing::PrintToString(bytes);
            const CrLfText crLf = DecodeUtf8ToCrLf(bytes);
            const CrLfText expected = ToCrLf(text);
            ASSERT_EQ(crLf.text, expected.text) << testing::PrintToString(bytes);
            ASSERT_EQ(crLf.breaks, expected.breaks) << testing::PrintToString(bytes);
            ASSERT_EQ(EncodeUtf8(crLf.text, crLf.breaks), bytes);
            ASSERT_EQ(EncodeUtf8(text), bytes);
            continue;
        }
        const auto offset = static_cast<std::size_t>(invalid - bytes.begin());
        for (const auto& decode : {+[](std::string_view b) { DecodeUtf8(b); },
                                   +[](std::string_view b) { DecodeUtf8ToCrLf(b); }}) {
            try {
                decode(bytes);
                FAIL() << "accepted " << testing::PrintToString(bytes);
            } catch (const NotUtf8& e) {
                ASSERT_EQ(e.offset(), offset) << testing::PrintToString(bytes);
            }
        }
    }
}

// Pairs past the spellings stay CR LF; spellings past the pairs are refused.
TEST(Utf8, SpellsAsManyLineBreaksAgainAsBothHave) {
    const std::vector spellings{LineBreak::Lf, LineBreak::Cr};
    EXPECT_EQ(EncodeUtf8(u"a\r\nb\r\nc\r\n", std::span(spellings).first(1)), "a\nb\r\nc\r\n");
    EXPECT_EQ(EncodeUtf8(u"a\r\nb\r\nc\r\n", spellings), "a\nb\rc\r\n");
    EXPECT_THROW(EncodeUtf8(u"one\r\ntwo", spellings), std::invalid_argument);
}

TEST(Utf8, EncodesAsUtf8CppAndRefusesAnUnpairedSurrogate) {
    std::mt19937 random(11);
    const std::u16string_view units = u"ab\n\u00E9\u07FF\u0800\u20AC\uFFFF\xD83D\xDE00";
    std::uniform_int_distribution<std::size_t> pick(0, units.size() - 1);
    for (int round = 0; round < 20000; ++round) {
        std::u16string text(std::uniform_int_distribution<std::size_t>(0, 40)(random), u'x');
        for (char16_t& unit : text) {
            if (random() % 4 == 0) {
                unit = units[pick(random)];
            }
        }
        std::string expected;
        try {
            expected = utf8::utf16to8(text);
        } catch (const utf8::exception&) {
            ASSERT_THROW(EncodeUtf8(text), std::invalid_argument);
            continue;
        }
        ASSERT_EQ(EncodeUtf8(text), expected);
    }
}

}  // namespace
}  // namespace velk::cli
