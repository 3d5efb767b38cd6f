#include "engine/line_breaks.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

using enum LineBreak;

struct Spelling {
    const char* name;
    std::u16string text;
    std::u16string crLf;
    std::vector<LineBreak> breaks;
};

class LineBreaks : public ::testing::TestWithParam<Spelling> {};

TEST_P(LineBreaks, BecomeCrLfWithTheirSpellingsKept) {
    const Spelling& s = GetParam();
    const CrLfText seen = ToCrLf(s.text);
    EXPECT_EQ(seen.text, s.crLf);
    EXPECT_EQ(seen.breaks, s.breaks);
    EXPECT_EQ(CrLfLength(s.text), s.crLf.size());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LineBreaks, ::testing::Values(
    Spelling{"None", u"no break \u2028 \u2029", u"no break \u2028 \u2029", {}},
    Spelling{"Lf", u"ab\ncd", u"ab\r\ncd", {Lf}},
    Spelling{"CrLf", u"ab\r\ncd", u"ab\r\ncd", {CrLf}},
    Spelling{"LoneCrAtTheEnd", u"ab\r", u"ab\r\n", {Cr}},
    Spelling{"LfThenCrIsTwo", u"\n\r", u"\r\n\r\n", {Lf, Cr}},
    Spelling{"Mixed", u"\r\n\r\r\n\nx", u"\r\n\r\n\r\n\r\nx", {CrLf, Cr, CrLf, Lf}},
    // Longer runs are scanned a block of units at a time: a pair across two
    // blocks, a tab beside a break, a break last after whole blocks.
    Spelling{"AcrossBlocks",
             u"0123456789abcde\r\n0123456789abcdef\t\n0123456789abcdef0123456789ABCDEF\r",
             u"0123456789abcde\r\n0123456789abcdef\t\r\n0123456789abcdef0123456789ABCDEF\r\n",
             {CrLf, Lf, Cr}}),
    [](const auto& p) { return std::string(p.param.name); });
// clang-format on

}  // namespace
}  // namespace velk
