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
