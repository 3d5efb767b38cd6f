// Checks and readings of what the user enters for a run: PIN, keys, passes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cipher_state.h"

namespace velk {

inline constexpr int PinCharacters = 8;
inline constexpr int MaxPassCount = 256;

enum class RunInputCheck : std::uint8_t {
    Ok,
    PinEmpty,      // no PIN at all
    KeysTheSame,   // two key texts are equal, compared as texts
    PinLength,     // the PIN is not exactly 8 characters long
    PinNotDigits,  // a PIN character is not an ASCII digit 0 to 9
    KeyNotValid,   // a key text names no library key 1 to 99
};

// '0' to '9', the only digits a PIN, a key text or a pass count may hold.
constexpr bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// True when every character of `text` is one; so for an empty text too.
constexpr bool AllAsciiDigits(std::u16string_view text) {
    for (const char16_t c : text) {
        if (!IsAsciiDigit(c)) {
            return false;
        }
    }
    return true;
}

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

// The part of the check of a run's input on the PIN and the key texts. The
// first failing check decides: PinEmpty, then KeysTheSame (pairs 1-2, 1-3,
// 1-4, 2-3, 2-4, 3-4), then PinLength, then PinNotDigits, then KeyNotValid.
// With no key texts (fixed keys) the key checks find nothing.
RunInputCheck ValidateRunInput(std::u16string_view pin,
                               std::span<const std::u16string> keyTexts = {});

// The whole check of a run's input, the first that fails deciding:
// ValidateRunInput's part, then the number of passes. The message that
// refuses the run, or nothing when it may start. The text is checked apart
// (FitsPass), once it is read.
std::optional<std::string_view> RunInputRefusal(const RunInput& input);

// The four offsets of a PIN that ValidateRunInput accepted: pairs 1-2, 3-4,
// 5-6, 7-8 as decimal numbers. Throws std::invalid_argument for any other PIN.
PinOffsets ReadPinOffsets(std::u16string_view pin);

// Names a library entry. Valid library keys are 1 to 99; 0 is the Alphabet.
using KeyNumber = std::int16_t;

// The key number a key text names: two ASCII digits, "01" to "99", as the
// key pickers show them; nothing for any other text ("1" too, which beside
// "01" would pass the check for two keys the same).
std::optional<KeyNumber> ReadKeyNumber(std::u16string_view text);

// The number of passes a text names: ASCII digits with a value from 1 to
// MaxPassCount ("01" gives 1); nothing for any other text.
std::optional<int> ReadPassCount(std::u16string_view text);

// The message that refuses a run for `check`, which must not be Ok. The
// refusals are shared by every front end, so they are worded once, in ASCII.
std::string_view RefusalMessage(RunInputCheck check);
inline constexpr std::string_view PassCountRefusal = "Pick The Number Of Times From 01 To 256";
inline constexpr std::string_view TextTooLongRefusal =
    "The Txt Is Too Long: At Most 32766 Characters Can Be Worked On";

}  // namespace velk
