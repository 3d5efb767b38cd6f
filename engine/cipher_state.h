// The prepared state a pass works on, held by a window for its whole life.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/alphabet.h"

namespace velk {

// Carry turns into keys 2, 3 and 4 like an odometer. Each restarts at 1, not
// 0, on reaching 100, so the first carry comes after (100 - start) steps and
// every later one after 99.
struct StepCounters {
    std::int16_t Count1 = 0;
    std::int16_t Count2 = 0;
    std::int16_t Count3 = 0;

    friend bool operator==(const StepCounters&, const StepCounters&) = default;
};

// Where a pass stands: the 1-based place in the text, the 1-based place of
// the last look-up (101 when it found nothing) and the character carried.
struct PassState {
    std::int16_t Position = 0;
    std::int16_t SearchIndex = 0;
    std::u16string CurrentChar;

    friend bool operator==(const PassState&, const PassState&) = default;
};

// The values of the PIN's character pairs 1-2, 3-4, 5-6 and 7-8, each 0 to 99.
using PinOffsets = std::array<std::int16_t, 4>;

// Everything a preparation writes and the following pass reads and advances.
struct CipherState {
    KeySet workingKeys;
    PinOffsets pinOffsets{};
    StepCounters counters;
    PassState passState;
};

// Overwrites the working keys, the PIN offsets, the counters and the pass
// state: everything from which the PIN could be worked out.
void Wipe(CipherState& state);

}  // namespace velk
