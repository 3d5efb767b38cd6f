// One forward and one inverse pass over a text, and the steps they share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "engine/cipher_state.h"
#include "engine/text_holder.h"

namespace velk {

// The longest text a pass completes: its 1-based position is a signed 16-bit
// number that must still step past the last character.
inline constexpr int MaxTextLength = 32766;

inline bool FitsPass(std::size_t length) {
    return length <= MaxTextLength;
}

// Forward or inverse: the two passes differ in their middle look-up only.
enum class Direction : std::uint8_t { Forward, Inverse };

// Thrown by a pass handed a text longer than MaxTextLength, before it touches
// either holder.
class TextTooLong : public std::length_error {
public:
    TextTooLong() : std::length_error("text longer than 32766 characters") {}
};

// Enciphers the text of `text1` once from the prepared `state`.
//
// Expects working slot 0 to be the Alphabet, slots 1 to 4 keys, and the
// counters between 0 and 99, as PrepareWorkingKeys leaves them; otherwise it
// throws std::invalid_argument before touching either holder.
//
// Leaves `text1` holding what `text2` held followed by the enciphered text
// (of the text's length), `text2` empty, slots 1 to 4 and the counters
// stepped once per character, and `state.passState` as after the last
// character. Characters outside the Alphabet pass unchanged; the keys still
// step for them. Work per character is constant.
//
// A holder that throws ends the pass with the exception, `text1` intact.
void ForwardPass(CipherState& state, TextHolder& text1, TextHolder& text2);

// As ForwardPass with the middle look-up reversed (key 4 to key 3). From the
// same prepared state it undoes one forward pass, and a forward pass undoes it.
void InversePass(CipherState& state, TextHolder& text1, TextHolder& text2);

}  // namespace velk
