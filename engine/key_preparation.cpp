#include "engine/key_preparation.h"

#include <stdexcept>

#include "engine/wipe.h"

namespace velk {

KeySet SelectKeys(const KeyLibrary& library, const std::array<KeyNumber, 4>& numbers) {
    KeySet master;
    master[0] = library[0];
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        master[i + 1] = library.at(static_cast<std::size_t>(numbers[i]));
    }
    return master;
}

void PrepareWorkingKeys(CipherState& state, const KeySet& master, const PinOffsets& offsets) {
    state.workingKeys[0] = master[0];
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        Replace(state.workingKeys[i + 1], TurnKey(master[i + 1], offsets[i]));
    }
    state.pinOffsets = offsets;
    state.counters = {offsets[0], offsets[1], offsets[2]};
}

void PreparePass(CipherState& state, const KeyLibrary& library, std::u16string_view pin,
                 std::span<const std::u16string> keyTexts) {
    if (keyTexts.size() != 4) {
        throw std::invalid_argument("four key texts are needed");
    }
    std::array<KeyNumber, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto number = ReadKeyNumber(keyTexts[i]);
        if (!number) {
            throw std::invalid_argument("key text names no library key");
        }
        numbers[i] = *number;
    }
    const PinOffsets offsets = ReadPinOffsets(pin);
    PrepareWorkingKeys(state, SelectKeys(library, numbers), offsets);
}

void PreparePass(CipherState& state, const KeySet& master, std::u16string_view pin) {
    PrepareWorkingKeys(state, master, ReadPinOffsets(pin));
}

}  // namespace velk
