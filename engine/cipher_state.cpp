#include "engine/cipher_state.h"

#include "engine/wipe.h"

namespace velk {

void Wipe(CipherState& state) {
    for (auto& key : state.workingKeys) {
        Wipe(key);
    }
    Wipe(state.pinOffsets);
    Wipe(state.counters);
    Wipe(state.passState.CurrentChar);
    state.passState.Position = 0;
    state.passState.SearchIndex = 0;
}

}  // namespace velk
