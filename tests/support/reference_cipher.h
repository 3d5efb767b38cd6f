// The passes written out step for step as the cipher describes them: every
// character rereads the whole text, every look-up searches a slot position by
// position, the output buffer is read and rewritten per character, and the
// keys are turned as strings. Quadratic in the text's length on purpose; the
// fast passes of the engine are checked and measured against it.
#pragma once

#include "engine/cipher_state.h"
#include "engine/text_holder.h"

namespace velk::reference {

// Throws velk::TextTooLong when the length does not fit the 16-bit end value
// or the 16-bit position cannot step past the last character; holders that
// throw end the pass with their exception.
void ForwardPass(CipherState& state, TextHolder& text1, TextHolder& text2);
void InversePass(CipherState& state, TextHolder& text1, TextHolder& text2);

}  // namespace velk::reference
