// Rebuilding the working keys and counters from the PIN before every pass.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "engine/alphabet.h"
#include "engine/cipher_state.h"
#include "engine/key_library.h"
#include "engine/run_input.h"

namespace velk {

// The MasterKeySet of a pass: slot 0 library entry 0, slot i the entry named
// by the i-th number. Any numbers from 0 to 99 are taken, equal ones too.
KeySet SelectKeys(const KeyLibrary& library, const std::array<KeyNumber, 4>& numbers);

// Working slot 0 becomes master slot 0; working slot i becomes master slot i
// turned by offset i; Count1 to Count3 start at offsets 1 to 3. Starts from
// the untouched master keys, so every preparation with the same input gives
// the same state. Master slots must hold 100 characters each.
void PrepareWorkingKeys(CipherState& state, const KeySet& master, const PinOffsets& offsets);

// The per-pass reset of the library edition: reads the four key texts and the
// PIN, selects the keys and prepares them. Throws std::invalid_argument for
// input that ValidateRunInput does not accept; nothing is prepared then.
void PreparePass(CipherState& state, const KeyLibrary& library, std::u16string_view pin,
                 std::span<const std::u16string> keyTexts);

// The per-pass reset of the fixed-key edition: reads the PIN and prepares the
// fixed master set. Throws std::invalid_argument for a PIN that is not eight
// ASCII digits; nothing is prepared then.
void PreparePass(CipherState& state, const KeySet& master, std::u16string_view pin);

}  // namespace velk
