// The passes written out step for step as the cipher describes them: every
// character rereads the whole text, every look-up searches a slot position by
// position, the output buffer is read and rewritten per character, and the
// keys are turned and stepped as strings, with nothing of the engine's
// passes shared. Quadratic in the text's length on purpose; the
// fast passes of the engine are checked and measured against it.
#pragma once

#include <string>
#include <tuple>

#include "engine/cipher_state.h"
#include "engine/text_holder.h"

namespace velk::reference {

// Throws velk::TextTooLong when the length does not fit the 16-bit end value
// or the 16-bit position cannot step past the last character; holders that
// throw end the pass with their exception.
void ForwardPass(CipherState& state, TextHolder& text1, TextHolder& text2);
void InversePass(CipherState& state, TextHolder& text1, TextHolder& text2);

using PassFunction = void (*)(CipherState&, TextHolder&, TextHolder&);

// Everything a pass leaves, to compare as one value: Text1, Text2, the
// working keys, the counters, the PIN offsets and the pass state.
using Outcome =
    std::tuple<std::u16string, std::u16string, KeySet, StepCounters, PinOffsets, PassState>;

// One `pass` from `state` over `text`, with `buffer` in Text2.
Outcome RunOnePass(PassFunction pass, CipherState state, const std::u16string& text,
                   const std::u16string& buffer = {});

}  // namespace velk::reference
