#include "engine/run.h"

#include <stdexcept>

#include "engine/key_preparation.h"

namespace velk {

void KeySource::PreparePass(CipherState& state, const RunInput& input) const {
    if (library_ != nullptr) {
        velk::PreparePass(state, *library_, input.pin, input.keyTexts);
    } else {
        velk::PreparePass(state, *fixedKeys_, input.pin);
    }
}

bool RunPasses(const KeySource& keys, Direction direction, RunInput& input, CipherState& state,
               TextHolder& text1, TextHolder& text2, std::int16_t& passCounter,
               const BeforePass& beforePass) {
    const std::optional<int> passCount = ReadPassCount(input.passes);
    if (!passCount) {
        throw std::invalid_argument("not a number of passes");
    }
    // At most MaxPassCount, well inside the counter's 16-bit range.
    const auto lastPass = static_cast<std::int16_t>(*passCount);
    for (passCounter = 1; passCounter <= lastPass; ++passCounter) {
        if (beforePass && !beforePass(input)) {
            return false;
        }
        keys.PreparePass(state, input);
        if (direction == Direction::Forward) {
            ForwardPass(state, text1, text2);
        } else {
            InversePass(state, text1, text2);
        }
    }
    return true;
}

}  // namespace velk
