// libFuzzer target for the cipher engine: from any PIN, four library keys
// and text, one fast pass leaves exactly what the literal reference leaves,
// in both directions, and each direction undoes the other.
//
// Input: bytes 0-7 the PIN digits ('0' + byte % 10), bytes 8-11 the key
// numbers (1 + byte % 99, equal ones allowed), then the text as UTF-16LE,
// where three units in four are taken to an Alphabet character.
#include <cstdint>
#include <string>

#include "engine/key_preparation.h"
#include "engine/passes.h"
#include "tests/fuzz/require.h"
#include "tests/support/reference_cipher.h"
#include "tests/support/test_data.h"

namespace {

using namespace velk;
using fuzz::Require;

// The reference is quadratic; longer texts are the unit tests' job.
constexpr std::size_t MaxUnits = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 12) {
        return 0;
    }
    std::u16string pin(PinCharacters, u'0');
    for (std::size_t i = 0; i < pin.size(); ++i) {
        pin[i] = static_cast<char16_t>(u'0' + data[i] % 10);
    }
    std::vector<std::u16string> keys;
    for (std::size_t i = 8; i < 12; ++i) {
        keys.push_back(test::KeyText(1 + data[i] % 99));
    }
    std::u16string text;
    for (std::size_t i = 12; i + 1 < size && text.size() < MaxUnits; i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        text.push_back(unit % 4 != 0 ? Alphabet()[unit % KeyLength] : unit);
    }

    CipherState prepared;
    PreparePass(prepared, test::Library(), pin, keys);
    using reference::RunOnePass;
    const auto forward = RunOnePass(ForwardPass, prepared, text);
    Require(forward == RunOnePass(reference::ForwardPass, prepared, text), "forward differs");
    Require(RunOnePass(InversePass, prepared, text) ==
                RunOnePass(reference::InversePass, prepared, text),
            "inverse differs");
    Require(std::get<0>(RunOnePass(InversePass, prepared, std::get<0>(forward))) == text,
            "inverse did not undo forward");
    return 0;
}
