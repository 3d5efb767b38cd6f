// One run of passes over a text, as every front end makes it: the checks of
// its input in their order, then each pass prepared afresh from the PIN and
// the keys.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/alphabet.h"
#include "engine/cipher_state.h"
#include "engine/key_library.h"
#include "engine/passes.h"
#include "engine/text_holder.h"

namespace velk {

// What a run is asked with, as the window's controls show it or as the
// command line gives it.
struct RunInput {
    std::u16string pin;
    // The key pickers' texts, "01" to "99", one for each key slot; none
    // where an edition's keys are fixed.
    std::vector<std::u16string> keyTexts;
    std::u16string passes;  // "01" to "256"
};

// Overwrites the PIN and the key texts.
void Wipe(RunInput& input);

// The checks of a run's input, the first that fails deciding: the PIN and
// the key texts in ValidateRunInput's order, then the number of passes. The
// message that refuses the run, or nothing when it may start. The text is
// checked apart (FitsPass), once it is read.
std::optional<std::string_view> CheckRunInput(const RunInput& input);

// Where a run's four keys come from: a key library, picked by the input's
// key texts, or an edition's fixed master key set. It refers to them, and
// they must outlive it.
class KeySource {
public:
    explicit KeySource(const KeyLibrary& library) : library_(&library) {}
    explicit KeySource(const KeySet& fixedKeys) : fixedKeys_(&fixedKeys) {}

    // Prepares `state` for one pass from the PIN and the key texts of an
    // input that CheckRunInput accepts; throws std::invalid_argument for
    // any other.
    void PreparePass(CipherState& state, const RunInput& input) const;

private:
    const KeyLibrary* library_ = nullptr;
    const KeySet* fixedKeys_ = nullptr;
};

// Called before each pass with the input the pass is prepared from, which
// it may read again (from the window's controls); false stops the run there.
using BeforePass = std::function<bool(RunInput& input)>;

// Runs the passes of a run whose input CheckRunInput accepts over the text
// of `text1`, with `text2` as the output buffer, and counts them in
// `passCounter` from 1. Each pass starts from `state` prepared afresh by
// `keys`. True when every pass ran; false when `beforePass` stopped the run.
// A preparation or a pass that throws ends the run with its exception,
// `text1` holding the text of the passes before it.
bool RunPasses(const KeySource& keys, Direction direction, RunInput& input, CipherState& state,
               TextHolder& text1, TextHolder& text2, std::int16_t& passCounter,
               const BeforePass& beforePass = {});

}  // namespace velk
