// One run of passes over a text, as every front end makes it: the checks of
// its input in their order, then each pass prepared afresh from the PIN and
// the keys.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/alphabet.h"
#include "engine/cipher_state.h"
#include "engine/key_library.h"
#include "engine/passes.h"
#include "engine/run_input.h"
#include "engine/text_holder.h"

namespace velk {

// Where a run's four keys come from: a key library, picked by the input's
// key texts, or an edition's fixed master key set. It refers to them, and
// they must outlive it.
class KeySource {
public:
    explicit KeySource(const KeyLibrary& library) : library_(&library) {}
    explicit KeySource(const KeySet& fixedKeys) : fixedKeys_(&fixedKeys) {}

    // Prepares `state` for one pass from the PIN and the key texts of an
    // input that RunInputRefusal does not refuse; throws
    // std::invalid_argument for any other.
    void PreparePass(CipherState& state, const RunInput& input) const;

private:
    const KeyLibrary* library_ = nullptr;
    const KeySet* fixedKeys_ = nullptr;
};

// Called before each pass with the input the pass is prepared from, which
// it may read again (from the window's controls); false stops the run there.
using BeforePass = std::function<bool(RunInput& input)>;

// Runs the passes of a run whose input RunInputRefusal does not refuse over
// the text of `text1`, with `text2` as the output buffer, and counts them in
// `passCounter` from 1. Each pass starts from `state` prepared afresh by
// `keys`. True when every pass ran; false when `beforePass` stopped the run.
// A preparation or a pass that throws ends the run with its exception,
// `text1` holding the text of the passes before it.
bool RunPasses(const KeySource& keys, Direction direction, RunInput& input, CipherState& state,
               TextHolder& text1, TextHolder& text2, std::int16_t& passCounter,
               const BeforePass& beforePass = {});

}  // namespace velk
