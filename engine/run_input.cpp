#include "engine/run_input.h"

#include <stdexcept>

#include "engine/wipe.h"

namespace velk {

namespace {

// The value of a text of ASCII digits, or nothing when it holds anything
// else or is empty. Stops counting past `limit` so long texts cannot overflow.
std::optional<int> DecimalValue(std::u16string_view text, int limit) {
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char16_t c : text) {
        if (!IsAsciiDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        if (value > limit) {
            value = limit + 1;
        }
    }
    return value;
}

std::optional<int> NumberInRange(std::u16string_view text, int low, int high) {
    const auto value = DecimalValue(text, high);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

bool TwoTextsEqual(std::span<const std::u16string> texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            if (texts[i] == texts[j]) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

RunInputCheck ValidateRunInput(std::u16string_view pin, std::span<const std::u16string> keyTexts) {
    if (pin.empty()) {
        return RunInputCheck::PinEmpty;
    }
    if (TwoTextsEqual(keyTexts)) {
        return RunInputCheck::KeysTheSame;
    }
    if (pin.size() != PinCharacters) {
        return RunInputCheck::PinLength;
    }
    if (!AllAsciiDigits(pin)) {
        return RunInputCheck::PinNotDigits;
    }
    for (const auto& text : keyTexts) {
        if (!ReadKeyNumber(text)) {
            return RunInputCheck::KeyNotValid;
        }
    }
    return RunInputCheck::Ok;
}

void Wipe(RunInput& input) {
    Wipe(input.pin);
    Wipe(input.keyTexts);
}

std::optional<std::string_view> RunInputRefusal(const RunInput& input) {
    const RunInputCheck check = ValidateRunInput(input.pin, input.keyTexts);
    if (check != RunInputCheck::Ok) {
        return RefusalMessage(check);
    }
    if (!ReadPassCount(input.passes)) {
        return PassCountRefusal;
    }
    return std::nullopt;
}

PinOffsets ReadPinOffsets(std::u16string_view pin) {
    if (pin.size() != PinCharacters) {
        throw std::invalid_argument("PIN must hold 8 characters");
    }
    PinOffsets offsets{};
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const auto value = DecimalValue(pin.substr(2 * i, 2), 99);
        if (!value) {
            throw std::invalid_argument("PIN pair is not two decimal digits");
        }
        offsets[i] = static_cast<std::int16_t>(*value);
    }
    return offsets;
}

std::optional<KeyNumber> ReadKeyNumber(std::u16string_view text) {
    const auto value = NumberInRange(text, 1, 99);
    if (!value || text.size() != 2) {
        return std::nullopt;
    }
    return static_cast<KeyNumber>(*value);
}

std::optional<int> ReadPassCount(std::u16string_view text) {
    return NumberInRange(text, 1, MaxPassCount);
}

std::string_view RefusalMessage(RunInputCheck check) {
    switch (check) {
        case RunInputCheck::PinEmpty:
            return "Enter Pin";
        case RunInputCheck::KeysTheSame:
            return "Two Keys The Same";
        case RunInputCheck::PinLength:
            return "Enter Pin 8 Numbers";
        case RunInputCheck::PinNotDigits:
            return "The Pin Must Be 8 Numbers, 0 To 9 Only";
        case RunInputCheck::KeyNotValid:
        case RunInputCheck::Ok:  // no refusal; callers never ask for it
            break;
    }
    return "Pick Each Key From 01 To 99";
}

}  // namespace velk
