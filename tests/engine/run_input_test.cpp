#include "engine/run_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace velk {
namespace {

struct InputCase {
    const char* name;
    std::u16string pin;
    std::vector<std::u16string> keys;
    RunInputCheck expected;
};

class ValidateRunInputTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(ValidateRunInputTest, FirstFailingCheckDecides) {
    EXPECT_EQ(ValidateRunInput(GetParam().pin, GetParam().keys), GetParam().expected);
}

using enum RunInputCheck;
const std::vector<std::u16string> Distinct = {u"01", u"02", u"03", u"04"};

// Key pairs are compared in the order 1-2, 1-3, 1-4, 2-3, 2-4, 3-4, as texts.
INSTANTIATE_TEST_SUITE_P(
    Order, ValidateRunInputTest,
    ::testing::Values(
        InputCase{"Accepted", u"12345678", Distinct, Ok},
        InputCase{"OneDigitBesideTwo", u"12345678", {u"1", u"01", u"02", u"03"}, KeyNotValid},
        InputCase{"EmptyPinFirst", u"", {u"05", u"05", u"x", u"00"}, PinEmpty},
        InputCase{"EqualKeysBeforeLength", u"1234567", {u"1", u"2", u"1", u"4"}, KeysTheSame},
        InputCase{"Pair14", u"12345678", {u"7", u"6", u"8", u"7"}, KeysTheSame},
        InputCase{"Pair23", u"12345678", {u"7", u"6", u"6", u"9"}, KeysTheSame},
        InputCase{"Pair34", u"12345678", {u"7", u"6", u"8", u"8"}, KeysTheSame},
        InputCase{"LengthBeforeLetters", u"abc", Distinct, PinLength},
        InputCase{"Letter", u"1234567a", Distinct, PinNotDigits},
        InputCase{"FullWidthDigit", u"1234567\uFF18", Distinct, PinNotDigits},
        InputCase{"DigitsBeforeKeys", u"/1234567", {u"00", u"2", u"3", u"4"}, PinNotDigits},
        InputCase{"KeyZero", u"12345678", {u"00", u"02", u"03", u"04"}, KeyNotValid},
        InputCase{"KeyHundred", u"12345678", {u"1", u"2", u"3", u"100"}, KeyNotValid},
        InputCase{"FixedKeys", u"12345678", {}, Ok}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ReadNumbers, TakeDigitsInTheirRangeOnly) {
    EXPECT_EQ(ReadKeyNumber(u"01"), 1);
    EXPECT_EQ(ReadKeyNumber(u"99"), 99);
    EXPECT_EQ(ReadPassCount(u"1"), 1);
    EXPECT_EQ(ReadPassCount(u"256"), 256);
    for (const std::u16string_view text :
         {u"", u"0", u"-1", u"+1", u" 1", u"1.0", u"x", u"9:", u"99999999999999999999999"}) {
        EXPECT_EQ(ReadKeyNumber(text), std::nullopt);
        EXPECT_EQ(ReadPassCount(text), std::nullopt);
    }
    EXPECT_EQ(ReadKeyNumber(u"100"), std::nullopt);
    EXPECT_EQ(ReadKeyNumber(u"1"), std::nullopt);
    EXPECT_EQ(ReadPassCount(u"257"), std::nullopt);
}

}  // namespace
}  // namespace velk
