// Whole runs of passes with the classic edition's fixed keys, as its
// commands make them: every pass prepared afresh from the PIN.
#pragma once

#include <string>
#include <string_view>

#include "classic/fixed_keys.h"
#include "tests/engine/cipher_runs.h"

namespace velk::classic::testing {

using velk::test::Direction;

inline std::u16string ClassicRun(Direction direction, std::u16string text, std::u16string_view pin,
                                 int passes) {
    static const KeySet master = FixedMasterKeySet();
    CipherState state;
    MemoryTextHolder text1(std::move(text));
    MemoryTextHolder text2;
    for (int i = 0; i < passes; ++i) {
        PreparePass(state, master, pin);
        velk::test::FastPass(direction)(state, text1, text2);
    }
    return text1.ReadText();
}

}  // namespace velk::classic::testing
