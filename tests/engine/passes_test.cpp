#include "engine/passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <stdexcept>
#include <vector>

#include "tests/engine/cipher_runs.h"

namespace velk {
namespace {

using test::Direction;
using test::RunPasses;

const test::KeyTexts Keys = {u"07", u"31", u"58", u"99"};

CipherState Prepared(std::u16string_view pin, const test::KeyTexts& keys = Keys) {
    CipherState state;
    PreparePass(state, test::Library(), pin, keys);
    return state;
}

void ExpectSameState(const CipherState& a, const CipherState& b) {
    EXPECT_EQ(a.workingKeys, b.workingKeys);
    EXPECT_EQ(a.pinOffsets, b.pinOffsets);
    EXPECT_EQ(a.counters, b.counters);
    EXPECT_EQ(a.passState, b.passState);
}

// ---- Stepping ----

struct CounterStep {
    int afterCharacter;
    std::vector<std::size_t> turned;  // slots
    StepCounters counters;
};

TEST(StepKeys, CarriesLikeAnOdometer) {
    const std::vector<CounterStep> expected = {
        {1, {1}, {99, 99, 0}},    {2, {1, 2, 3}, {1, 1, 1}}, {3, {1}, {2, 1, 1}},
        {101, {1, 2}, {1, 2, 1}}, {200, {1, 2}, {1, 3, 1}},
    };
    CipherState state = Prepared(u"98990000");
    state.counters = {98, 99, 0};
    std::size_t next = 0;
    for (int character = 1; character <= 200; ++character) {
        const KeySet before = state.workingKeys;
        StepKeys(state);
        if (character != expected[next].afterCharacter) {
            continue;
        }
        SCOPED_TRACE(character);
        EXPECT_EQ(state.counters, expected[next].counters);
        for (std::size_t slot = 0; slot <= 4; ++slot) {
            const bool turns =
                std::count(expected[next].turned.begin(), expected[next].turned.end(), slot) > 0;
            EXPECT_EQ(state.workingKeys[slot], turns ? TurnKey(before[slot], 1) : before[slot])
                << "slot " << slot;
        }
        ++next;
    }
    EXPECT_EQ(next, expected.size());
}

// Which characters of a longest pass turn keys 2, 3 and 4.
std::array<std::vector<int>, 5> TurnsOverLongestText(StepCounters counters) {
    std::array<std::vector<int>, 5> turns;
    for (int character = 1; character <= MaxTextLength; ++character) {
        const unsigned turned = AdvanceStepCounters(counters);
        for (std::size_t slot = 2; slot <= 4; ++slot) {
            if ((turned & (1U << slot)) != 0) {
                turns[slot].push_back(character);
            }
        }
        EXPECT_TRUE(counters.Count1 >= 1 && counters.Count1 <= 99);
    }
    return turns;
}

TEST(AdvanceStepCounters, FromZeroTheFirstCarryComesAfterAHundredThenEveryNinetyNine) {
    const auto turns = TurnsOverLongestText({0, 0, 0});
    ASSERT_GE(turns[2].size(), 3U);
    EXPECT_EQ(std::vector<int>(turns[2].begin(), turns[2].begin() + 3),
              (std::vector<int>{100, 199, 298}));
    for (std::size_t i = 1; i < turns[2].size(); ++i) {
        ASSERT_EQ(turns[2][i] - turns[2][i - 1], 99) << i;
    }
    EXPECT_EQ(turns[2].back(), 100 + 329 * 99);
    EXPECT_EQ(turns[3], (std::vector<int>{9901, 19702, 29503}));
    EXPECT_TRUE(turns[4].empty());
}

TEST(AdvanceStepCounters, KeyFourTurnsOnceAtMostAndOnlyFromCountThree96) {
    EXPECT_EQ(TurnsOverLongestText({99, 99, 99})[4], std::vector<int>{1});
    EXPECT_EQ(TurnsOverLongestText({99, 99, 96})[4].size(), 1U);
    EXPECT_TRUE(TurnsOverLongestText({99, 99, 95})[4].empty());
}

TEST(SlotLookup, TakesTheCharacterAtTheMatchingPlace) {
    CipherState state = Prepared(u"00000000");
    auto& pass = state.passState;
    const auto& key1 = state.workingKeys[1];
    pass.CurrentChar = u"A";
    SlotLookup(state, 0, 1);
    EXPECT_EQ(pass.CurrentChar, key1.substr(36, 1));
    EXPECT_EQ(pass.SearchIndex, 37);
    pass.CurrentChar = u"a";
    SlotLookup(state, 0, 1);
    EXPECT_EQ(pass.CurrentChar, key1.substr(10, 1));
    EXPECT_EQ(pass.SearchIndex, 11);
    pass.CurrentChar = u"!";
    SlotLookup(state, 0, 1);
    EXPECT_EQ(pass.CurrentChar, u"!");
    EXPECT_EQ(pass.SearchIndex, 101);
}

TEST(SlotLookup, FirstMatchWinsAndTheNewCharacterIsNotSearchedAgain) {
    CipherState state;
    state.workingKeys[2] = Alphabet();
    state.workingKeys[2][4] = u'a';  // 'a' now at places 5 and 11
    state.workingKeys[3] = Alphabet();
    state.workingKeys[3][4] = u'w';  // 'w' is at place 2 of the search slot
    state.passState.CurrentChar = u"a";
    SlotLookup(state, 2, 3);
    EXPECT_EQ(state.passState.CurrentChar, u"w");
    EXPECT_EQ(state.passState.SearchIndex, 5);
}

// ---- Round trips ----

struct RoundTripCase {
    const char* name;
    std::size_t length;
    std::u16string pin;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, EachDirectionUndoesTheOther) {
    const auto& c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.length));
    const auto text = test::RandomText(random, c.length);
    const auto forward = RunPasses(Direction::Forward, text, c.pin, Keys, 1);
    EXPECT_EQ(forward.size(), text.size());
    EXPECT_EQ(RunPasses(Direction::Inverse, forward, c.pin, Keys, 1), text);
    EXPECT_EQ(RunPasses(Direction::Forward, RunPasses(Direction::Inverse, text, c.pin, Keys, 1),
                        c.pin, Keys, 1),
              text);
    EXPECT_EQ(RunPasses(Direction::Inverse, RunPasses(Direction::Forward, text, c.pin, Keys, 5),
                        c.pin, Keys, 5),
              text);
    EXPECT_EQ(RunPasses(Direction::Inverse, RunPasses(Direction::Forward, text, c.pin, Keys, 7),
                        c.pin, Keys, 3),
              RunPasses(Direction::Forward, text, c.pin, Keys, 4));
}

INSTANTIATE_TEST_SUITE_P(Texts, RoundTrip,
                         ::testing::Values(RoundTripCase{"Empty", 0, u"12345678"},
                                           RoundTripCase{"One", 1, u"99999999"},
                                           RoundTripCase{"KeyTwoTurns", 300, u"00000000"},
                                           RoundTripCase{"AllKeysTurnAtOnce", 1000, u"99999999"},
                                           RoundTripCase{"KeyFourTurnsLater", 5000, u"98990055"},
                                           RoundTripCase{"KeyThreeTurns", 12000, u"00000000"},
                                           RoundTripCase{"Longest", MaxTextLength, u"00009996"}),
                         [](const auto& p) { return std::string(p.param.name); });

// ---- What a pass keeps ----

TEST(ForwardPass, KeepsCharactersOutsideTheAlphabetInTheirPlaces) {
    const std::u16string text = u"Dear \u00C9mile,\r\n\tthe \u00D8resund!\u00A0\U0001F600 A a";
    const auto out = RunPasses(Direction::Forward, text, u"31415926", Keys, 1);
    ASSERT_EQ(out.size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(AlphabetIndex(out[i]) < 0, AlphabetIndex(text[i]) < 0) << i;
        if (AlphabetIndex(text[i]) < 0) {
            EXPECT_EQ(out[i], text[i]) << i;
        }
    }
}

TEST(ForwardPass, ARepeatedCharacterMeetsAnotherKeyStateAtEachPlace) {
    const auto out = RunPasses(Direction::Forward, std::u16string(100, u'e'), u"00000000", Keys, 1);
    EXPECT_GT(std::set<char16_t>(out.begin(), out.end()).size(), 30U);
}

TEST(ForwardPass, EmptyTextLeavesKeysAndCountersAsPrepared) {
    CipherState state = Prepared(u"12345678");
    const CipherState before = state;
    MemoryTextHolder text1;
    MemoryTextHolder text2;
    ForwardPass(state, text1, text2);
    EXPECT_EQ(text1.ReadText(), u"");
    EXPECT_EQ(text2.ReadText(), u"");
    EXPECT_EQ(state.workingKeys, before.workingKeys);
    EXPECT_EQ(state.counters, before.counters);
    EXPECT_EQ(state.passState.Position, 1);
}

// ---- Refusals and failures leave the text intact ----

TEST(ForwardPass, RefusesATextTooLongBeforeTouchingAnything) {
    for (const auto direction : {Direction::Forward, Direction::Inverse}) {
        const std::u16string tooLong(MaxTextLength + 1, u'x');
        CipherState state = Prepared(u"12345678");
        const CipherState before = state;
        MemoryTextHolder text1(tooLong);
        MemoryTextHolder text2(u"buffer");
        EXPECT_THROW(test::FastPass(direction)(state, text1, text2), TextTooLong);
        EXPECT_EQ(text1.ReadText(), tooLong);
        EXPECT_EQ(text2.ReadText(), u"buffer");
        ExpectSameState(state, before);
    }
    EXPECT_TRUE(FitsPass(MaxTextLength));
    EXPECT_FALSE(FitsPass(MaxTextLength + 1));
}

TEST(ForwardPass, RefusesABadWorkingStateBeforeTouchingAnything) {
    const std::vector<std::pair<const char*, std::function<void(CipherState&)>>> spoil = {
        {"slot 0 turned", [](CipherState& s) { s.workingKeys[0] = TurnKey(s.workingKeys[0], 1); }},
        {"slot 2 short", [](CipherState& s) { s.workingKeys[2].pop_back(); }},
        {"slot 3 repeats", [](CipherState& s) { s.workingKeys[3][0] = s.workingKeys[3][1]; }},
        {"slot 4 foreign", [](CipherState& s) { s.workingKeys[4][50] = u'!'; }},
        {"Count1 100", [](CipherState& s) { s.counters.Count1 = 100; }},
        {"Count2 negative", [](CipherState& s) { s.counters.Count2 = -1; }},
        {"Count3 100", [](CipherState& s) { s.counters.Count3 = 100; }},
    };
    for (const auto& [name, apply] : spoil) {
        for (const auto direction : {Direction::Forward, Direction::Inverse}) {
            SCOPED_TRACE(name);
            CipherState state = Prepared(u"12345678");
            apply(state);
            const CipherState before = state;
            MemoryTextHolder text1(u"some text");
            MemoryTextHolder text2;
            EXPECT_THROW(test::FastPass(direction)(state, text1, text2), std::invalid_argument);
            EXPECT_EQ(text1.ReadText(), u"some text");
            EXPECT_EQ(text2.ReadText(), u"");
            ExpectSameState(state, before);
        }
    }
}

// Throws from the chosen operation; otherwise an in-memory holder.
class FailingHolder final : public TextHolder {
public:
    enum class Fail { Nothing, Read, Replace };
    FailingHolder(std::u16string text, Fail fail) : text_(std::move(text)), fail_(fail) {}

    std::u16string ReadText() const override {
        if (fail_ == Fail::Read) {
            throw std::runtime_error("read failed");
        }
        return text_;
    }
    void ReplaceText(std::u16string text) override {
        if (fail_ == Fail::Replace) {
            throw std::runtime_error("replace failed");
        }
        text_ = std::move(text);
    }
    const std::u16string& Held() const { return text_; }

private:
    std::u16string text_;
    Fail fail_;
};

TEST(ForwardPass, AFailingHolderLeavesTheTextAsItWas) {
    using Fail = FailingHolder::Fail;
    const std::u16string text = u"Meet me by the old mill\r\n";
    const std::pair<Fail, Fail> failures[] = {{Fail::Read, Fail::Nothing},
                                              {Fail::Replace, Fail::Nothing},
                                              {Fail::Nothing, Fail::Read},
                                              {Fail::Nothing, Fail::Replace}};
    for (const auto& [fail1, fail2] : failures) {
        for (const auto direction : {Direction::Forward, Direction::Inverse}) {
            CipherState state = Prepared(u"12345678");
            FailingHolder text1(text, fail1);
            FailingHolder text2(u"", fail2);
            EXPECT_THROW(test::FastPass(direction)(state, text1, text2), std::runtime_error);
            EXPECT_EQ(text1.Held(), text);
        }
    }
}

}  // namespace
}  // namespace velk
