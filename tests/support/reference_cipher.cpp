#include "tests/support/reference_cipher.h"

#include <cstdint>
#include <limits>
#include <string>

#include "engine/passes.h"

namespace velk::reference {

namespace {

struct Lookup {
    int search;
    int take;
};

using Chain = Lookup[5];

constexpr Chain ForwardChain = {{0, 1}, {2, 3}, {3, 4}, {3, 2}, {1, 0}};
constexpr Chain InverseChain = {{0, 1}, {2, 3}, {4, 3}, {3, 2}, {1, 0}};

constexpr std::int16_t Int16Max = std::numeric_limits<std::int16_t>::max();

// The first position of the search slot that holds CurrentChar gives the
// character at the same position of the take slot; no match leaves it.
void SlotLookup(CipherState& state, int searchSlot, int takeSlot) {
    auto& pass = state.passState;
    const std::u16string& search = state.workingKeys.at(static_cast<std::size_t>(searchSlot));
    const std::u16string& take = state.workingKeys.at(static_cast<std::size_t>(takeSlot));
    for (pass.SearchIndex = 1; pass.SearchIndex <= 100; ++pass.SearchIndex) {
        const auto at = static_cast<std::size_t>(pass.SearchIndex - 1);
        if (search.substr(at, 1) == pass.CurrentChar) {
            pass.CurrentChar = take.substr(at, 1);
            return;
        }
    }
}

// The key's first character moved to its end.
void TurnByOne(std::u16string& key) {
    key = key.substr(1, 99) + key.substr(0, 1);
}

// Key 1 turns after every character; each counter that reaches 100 turns the
// next key, restarts at 1 and advances the next counter. Written out here,
// apart from the engine's own stepping, so that a fault in either shows.
void StepKeys(CipherState& state) {
    auto& keys = state.workingKeys;
    auto& c = state.counters;
    TurnByOne(keys[1]);
    c.Count1 = static_cast<std::int16_t>(c.Count1 + 1);
    if (c.Count1 == 100) {
        TurnByOne(keys[2]);
        c.Count1 = 1;
        c.Count2 = static_cast<std::int16_t>(c.Count2 + 1);
    }
    if (c.Count2 == 100) {
        TurnByOne(keys[3]);
        c.Count2 = 1;
        c.Count3 = static_cast<std::int16_t>(c.Count3 + 1);
    }
    if (c.Count3 == 100) {
        TurnByOne(keys[4]);
        c.Count3 = 1;
    }
}

void RunPass(CipherState& state, TextHolder& text1, TextHolder& text2, const Chain& chain) {
    auto& pass = state.passState;

    const std::size_t length = text1.ReadText().size();
    if (length > static_cast<std::size_t>(Int16Max)) {
        throw TextTooLong();
    }
    const auto endValue = static_cast<std::int16_t>(length);

    pass.Position = 1;
    while (pass.Position <= endValue) {
        pass.CurrentChar = text1.ReadText().substr(static_cast<std::size_t>(pass.Position - 1), 1);
        for (const Lookup& step : chain) {
            SlotLookup(state, step.search, step.take);
        }
        text2.ReplaceText(text2.ReadText() + pass.CurrentChar);
        StepKeys(state);
        if (pass.Position == Int16Max) {
            throw TextTooLong();
        }
        pass.Position = static_cast<std::int16_t>(pass.Position + 1);
    }
    text1.ReplaceText(text2.ReadText());
    text2.ReplaceText(std::u16string());
}

}  // namespace

void ForwardPass(CipherState& state, TextHolder& text1, TextHolder& text2) {
    RunPass(state, text1, text2, ForwardChain);
}

void InversePass(CipherState& state, TextHolder& text1, TextHolder& text2) {
    RunPass(state, text1, text2, InverseChain);
}

Outcome RunOnePass(PassFunction pass, CipherState state, const std::u16string& text,
                   const std::u16string& buffer) {
    MemoryTextHolder text1(text);
    MemoryTextHolder text2(buffer);
    pass(state, text1, text2);
    return {text1.ReadText(), text2.ReadText(), state.workingKeys,
            state.counters,   state.pinOffsets, state.passState};
}

}  // namespace velk::reference
