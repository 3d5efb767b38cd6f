#include "engine/run_input.h"

#include <gtest/gtest.h>

#include <stdexcept>
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
    const auto& c = GetParam();
    EXPECT_EQ(ValidateRunInput(c.pin, c.keys), c.expected);
}

const std::vector<std::u16string> Distinct = {u"01", u"02", u"03", u"04"};

INSTANTIATE_TEST_SUITE_P(
    Order, ValidateRunInputTest,
    ::testing::Values(
        InputCase{"Accepted", u"12345678", Distinct, RunInputCheck::Ok},
        InputCase{"AcceptedExtremes", u"99999999", {u"99", u"1", u"001", u"98"}, RunInputCheck::Ok},
        InputCase{
            "EmptyPinBeatsEqualKeys", u"", {u"05", u"05", u"05", u"05"}, RunInputCheck::PinEmpty},
        InputCase{"EmptyPinBeatsBadKeys", u"", {u"", u"x", u"100", u"00"}, RunInputCheck::PinEmpty},
        InputCase{"EqualKeysBeatShortPin",
                  u"1234567",
                  {u"01", u"02", u"01", u"04"},
                  RunInputCheck::KeysTheSame},
        InputCase{"EqualKeysBeatLetters",
                  u"abcdefgh",
                  {u"07", u"07", u"08", u"09"},
                  RunInputCheck::KeysTheSame},
        InputCase{"Pair12", u"12345678", {u"07", u"07", u"08", u"09"}, RunInputCheck::KeysTheSame},
        InputCase{"Pair13", u"12345678", {u"07", u"06", u"07", u"09"}, RunInputCheck::KeysTheSame},
        InputCase{"Pair14", u"12345678", {u"07", u"06", u"08", u"07"}, RunInputCheck::KeysTheSame},
        InputCase{"Pair23", u"12345678", {u"07", u"06", u"06", u"09"}, RunInputCheck::KeysTheSame},
        InputCase{"Pair24", u"12345678", {u"07", u"06", u"08", u"06"}, RunInputCheck::KeysTheSame},
        InputCase{"Pair34", u"12345678", {u"07", u"06", u"08", u"08"}, RunInputCheck::KeysTheSame},
        InputCase{
            "FourEqual", u"12345678", {u"42", u"42", u"42", u"42"}, RunInputCheck::KeysTheSame},
        // Compared as texts: "1" and "01" name the same key but differ.
        InputCase{"TextsNotNumbers", u"12345678", {u"1", u"01", u"02", u"03"}, RunInputCheck::Ok},
        InputCase{"SevenCharacters", u"1234567", Distinct, RunInputCheck::PinLength},
        InputCase{"NineCharacters", u"123456789", Distinct, RunInputCheck::PinLength},
        InputCase{"LengthBeatsLetters", u"abc", Distinct, RunInputCheck::PinLength},
        InputCase{"Letter", u"1234567a", Distinct, RunInputCheck::PinNotDigits},
        InputCase{"Space", u"1234 678", Distinct, RunInputCheck::PinNotDigits},
        InputCase{"FullWidthDigit", u"1234567\uFF18", Distinct, RunInputCheck::PinNotDigits},
        InputCase{"DigitsBeatKeys",
                  u"-1234567",
                  {u"00", u"02", u"03", u"04"},
                  RunInputCheck::PinNotDigits},
        InputCase{"KeyZero", u"12345678", {u"00", u"02", u"03", u"04"}, RunInputCheck::KeyNotValid},
        InputCase{
            "KeyHundred", u"12345678", {u"01", u"02", u"03", u"100"}, RunInputCheck::KeyNotValid},
        InputCase{"KeyEmpty", u"12345678", {u"01", u"", u"03", u"04"}, RunInputCheck::KeyNotValid},
        InputCase{
            "KeyNotNumber", u"12345678", {u"01x", u"02", u"03", u"04"}, RunInputCheck::KeyNotValid},
        InputCase{
            "KeySigned", u"12345678", {u"01", u"02", u"+3", u"04"}, RunInputCheck::KeyNotValid},
        InputCase{"FixedKeys", u"12345678", {}, RunInputCheck::Ok},
        InputCase{"FixedKeysEmptyPin", u"", {}, RunInputCheck::PinEmpty},
        InputCase{"FixedKeysLength", u"123", {}, RunInputCheck::PinLength},
        InputCase{"FixedKeysLetters", u"1234567x", {}, RunInputCheck::PinNotDigits}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ReadPinOffsets, ReadsTheFourPairs) {
    EXPECT_EQ(ReadPinOffsets(u"00000000"), (PinOffsets{0, 0, 0, 0}));
    EXPECT_EQ(ReadPinOffsets(u"99999999"), (PinOffsets{99, 99, 99, 99}));
    EXPECT_EQ(ReadPinOffsets(u"01020399"), (PinOffsets{1, 2, 3, 99}));
    EXPECT_EQ(ReadPinOffsets(u"98990000"), (PinOffsets{98, 99, 0, 0}));
}

TEST(ReadPinOffsets, RefusesWhatTheCheckRefuses) {
    for (const std::u16string_view pin :
         {u"", u"1234567", u"123456789", u"1234567a", u"12 45678", u"-1234567", u"1234567\uFF18"}) {
        EXPECT_THROW(ReadPinOffsets(pin), std::invalid_argument) << pin.size();
    }
}

TEST(ReadKeyNumber, NamesKeysOneToNinetyNine) {
    EXPECT_EQ(ReadKeyNumber(u"01"), 1);
    EXPECT_EQ(ReadKeyNumber(u"1"), 1);
    EXPECT_EQ(ReadKeyNumber(u"99"), 99);
    EXPECT_EQ(ReadKeyNumber(u"00000000000000000000042"), 42);
    for (const std::u16string_view text : {u"", u"0", u"00", u"100", u"-1", u"+1", u" 1", u"1 ",
                                           u"1.0", u"x", u"99999999999999999999999"}) {
        EXPECT_EQ(ReadKeyNumber(text), std::nullopt);
    }
}

TEST(ReadPassCount, TakesOneToTwoHundredFiftySix) {
    EXPECT_EQ(ReadPassCount(u"01"), 1);
    EXPECT_EQ(ReadPassCount(u"1"), 1);
    EXPECT_EQ(ReadPassCount(u"256"), 256);
    for (const std::u16string_view text :
         {u"", u"0", u"257", u"-1", u"2 56", u"99999999999999999999999"}) {
        EXPECT_EQ(ReadPassCount(text), std::nullopt);
    }
}

}  // namespace
}  // namespace velk
