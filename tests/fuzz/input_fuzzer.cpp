// libFuzzer target for the run input check and the readings of PINs, key
// numbers and pass counts, with arbitrary strings. Every answer is compared
// with a plain restatement of the rules written here, and whenever the check
// accepts, the preparation must succeed (and refuse, leaving the state alone,
// when the reason lies in what it reads).
//
// Input: the bytes become 16-bit units (a byte is its Latin-1 unit; 0xFF
// followed by two bytes gives the raw unit of those, little-endian) and the
// units are split at '|' into fields: field 0 is the PIN; with five or more
// fields, fields 1 to 4 are the four key texts, otherwise there are none.
// Every field is also read as a key number and as a pass count.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/alphabet.h"
#include "engine/cipher_state.h"
#include "engine/key_library.h"
#include "engine/key_preparation.h"
#include "engine/run_input.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/test_data.h"

namespace {

using namespace velk;

constexpr std::size_t MaxUnits = 4096;

using fuzz::Require;

using test::Library;

std::vector<std::u16string> DecodeFields(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> fields(1);
    std::size_t units = 0;
    for (std::size_t i = 0; i < size && units < MaxUnits; ++i, ++units) {
        char16_t unit = data[i];
        if (data[i] == 0xFF && i + 2 < size) {
            unit = static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8));
            i += 2;
        } else if (unit == u'|') {
            fields.emplace_back();
            continue;
        }
        fields.back().push_back(unit);
    }
    return fields;
}

// ---- The rules, restated without shortcuts --------------------------------

bool AllAsciiDigits(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

// A text of one or more ASCII digits whose value lies in low..high; leading
// zeros are dropped before the value is read, so no length can overflow.
std::optional<int> ExpectedNumber(std::u16string_view text, int low, int high) {
    if (text.empty() || !AllAsciiDigits(text)) {
        return std::nullopt;
    }
    const std::size_t first = text.find_first_not_of(u'0');
    const std::u16string_view significant =
        first == std::u16string_view::npos ? u"" : text.substr(first);
    if (significant.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const char16_t c : significant) {
        value = value * 10 + (c - u'0');
    }
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool PinReadable(std::u16string_view pin) {
    return pin.size() == static_cast<std::size_t>(PinCharacters) && AllAsciiDigits(pin);
}

RunInputCheck ExpectedCheck(std::u16string_view pin, std::span<const std::u16string> keys) {
    if (pin.empty()) {
        return RunInputCheck::PinEmpty;
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[i] == keys[j]) {
                return RunInputCheck::KeysTheSame;
            }
        }
    }
    if (pin.size() != static_cast<std::size_t>(PinCharacters)) {
        return RunInputCheck::PinLength;
    }
    if (!AllAsciiDigits(pin)) {
        return RunInputCheck::PinNotDigits;
    }
    for (const auto& key : keys) {
        if (!ExpectedNumber(key, 1, 99)) {
            return RunInputCheck::KeyNotValid;
        }
    }
    return RunInputCheck::Ok;
}

// ---- Checks ----------------------------------------------------------------

void CheckNumberReadings(std::u16string_view text) {
    const auto key = ReadKeyNumber(text);
    const auto expectedKey = ExpectedNumber(text, 1, 99);
    Require(key.has_value() == expectedKey.has_value(), "ReadKeyNumber accepts the wrong texts");
    Require(!key || *key == *expectedKey, "ReadKeyNumber reads the wrong value");

    const auto passes = ReadPassCount(text);
    const auto expectedPasses = ExpectedNumber(text, 1, MaxPassCount);
    Require(passes.has_value() == expectedPasses.has_value(),
            "ReadPassCount accepts the wrong texts");
    Require(!passes || *passes == *expectedPasses, "ReadPassCount reads the wrong value");
}

PinOffsets ExpectedOffsets(std::u16string_view pin) {
    PinOffsets offsets{};
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        offsets[i] = static_cast<std::int16_t>((pin[2 * i] - u'0') * 10 + (pin[2 * i + 1] - u'0'));
    }
    return offsets;
}

// A state no preparation leaves, to see that a refused one wrote nothing.
CipherState Sentinel() {
    CipherState state;
    state.workingKeys = {u"a", u"b", u"c", u"d", u"e"};
    state.pinOffsets = {-1, -2, -3, -4};
    state.counters = {-5, -6, -7};
    state.passState = {-8, -9, u"sentinel"};
    return state;
}

bool IsSentinel(const CipherState& s) {
    const CipherState t = Sentinel();
    return s.workingKeys == t.workingKeys && s.pinOffsets == t.pinOffsets &&
           s.counters == t.counters && s.passState == t.passState;
}

// What a successful preparation must leave: slot 0 the Alphabet, slot i the
// i-th master key turned by the i-th offset, counters at offsets 1 to 3, the
// pass state as it was.
void CheckPrepared(const CipherState& state, const KeySet& master, const PinOffsets& offsets) {
    Require(state.workingKeys[0] == Alphabet(), "working slot 0 is not the Alphabet");
    for (std::size_t i = 0; i < 4; ++i) {
        const std::u16string& key = master[i + 1];
        const auto turn = static_cast<std::size_t>(offsets[i]);
        Require(state.workingKeys[i + 1] == key.substr(turn) + key.substr(0, turn),
                "working key not turned by its offset");
        Require(IsKey(state.workingKeys[i + 1]), "working key is not a key");
    }
    Require(state.pinOffsets == offsets, "preparation kept the wrong offsets");
    Require(state.counters == StepCounters{offsets[0], offsets[1], offsets[2]},
            "counters do not start at the offsets");
    Require(state.passState == Sentinel().passState, "preparation touched the pass state");
}

enum class Outcome { Prepared, Refused };

template <typename Prepare>
Outcome TryPrepare(CipherState& state, Prepare prepare) {
    try {
        prepare(state);
        return Outcome::Prepared;
    } catch (const std::invalid_argument&) {
        Require(IsSentinel(state), "a refused preparation changed the state");
        return Outcome::Refused;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> fields = DecodeFields(data, size);
    for (const auto& field : fields) {
        CheckNumberReadings(field);
    }

    const std::u16string& pin = fields[0];
    std::span<const std::u16string> keys;
    if (fields.size() >= 5) {
        keys = std::span<const std::u16string>(fields).subspan(1, 4);
    }

    const RunInputCheck check = ValidateRunInput(pin, keys);
    Require(check == ExpectedCheck(pin, keys), "ValidateRunInput breaks the check order");
    Require(ValidateRunInput(pin) == ExpectedCheck(pin, {}),
            "ValidateRunInput without keys is wrong");
    if (keys.empty()) {
        Require(check != RunInputCheck::KeysTheSame && check != RunInputCheck::KeyNotValid,
                "key check failed without key texts");
    }

    // The PIN: read exactly when it is eight ASCII digits.
    const bool pinReadable = PinReadable(pin);
    std::optional<PinOffsets> offsets;
    try {
        offsets = ReadPinOffsets(pin);
    } catch (const std::invalid_argument&) {
    }
    Require(offsets.has_value() == pinReadable, "ReadPinOffsets accepts the wrong PINs");
    if (offsets) {
        Require(*offsets == ExpectedOffsets(pin), "ReadPinOffsets reads the wrong offsets");
        for (const auto offset : *offsets) {
            Require(offset >= 0 && offset <= 99, "PIN offset outside 0 to 99");
        }
    }

    // The fixed form reads only the PIN.
    const KeySet fixedMaster = SelectKeys(Library(), {17, 58, 99, 1});
    CipherState fixed = Sentinel();
    const Outcome fixedOutcome =
        TryPrepare(fixed, [&](CipherState& s) { PreparePass(s, fixedMaster, pin); });
    Require((fixedOutcome == Outcome::Prepared) == pinReadable,
            "fixed preparation disagrees with the PIN reading");
    if (fixedOutcome == Outcome::Prepared) {
        CheckPrepared(fixed, fixedMaster, *offsets);
    }

    // The library form reads the PIN and the four key texts; equal key texts
    // are refused by the check only.
    bool keysReadable = keys.size() == 4;
    std::array<KeyNumber, 4> numbers{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto number = ExpectedNumber(keys[i], 1, 99);
        keysReadable = keysReadable && number.has_value();
        numbers[i] = static_cast<KeyNumber>(number.value_or(1));
    }
    CipherState library = Sentinel();
    const Outcome libraryOutcome =
        TryPrepare(library, [&](CipherState& s) { PreparePass(s, Library(), pin, keys); });
    Require((libraryOutcome == Outcome::Prepared) == (pinReadable && keysReadable),
            "library preparation disagrees with the readings");
    if (libraryOutcome == Outcome::Prepared) {
        CheckPrepared(library, SelectKeys(Library(), numbers), *offsets);
    }
    if (check == RunInputCheck::Ok) {
        Require(libraryOutcome == Outcome::Prepared || keys.empty(),
                "accepted input was not prepared");
        Require(fixedOutcome == Outcome::Prepared, "accepted PIN was not prepared");
    } else if (check != RunInputCheck::KeysTheSame) {
        // Every other refusal names something a preparation cannot read.
        Require(libraryOutcome == Outcome::Refused, "refused input was prepared");
    }
    return 0;
}
