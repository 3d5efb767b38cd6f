// libFuzzer target for the cipher engine. The input names a PIN, four library
// keys, a pass count and a text of 16-bit units; the target checks that the
// passes undo each other, keep the length and every unit outside the
// Alphabet, and that one fast pass leaves exactly what the literal reference
// leaves. A violated property aborts with a message, which libFuzzer reports.
//
// Input layout (missing bytes read as 0, so every input is usable):
//   bytes 0-7   PIN digits, '0' + byte % 10
//   bytes 8-11  key numbers, 1 + byte % 99 (equal numbers allowed)
//   byte 12     flags: bits 0-1 pass count - 1 (1 to 4); bit 2 the output
//               buffer holds leftovers before the checked pass; bit 3 the
//               text is raw UTF-16LE; bit 4 a long run of 1 + byte 13 passes
//               (1 to 256) when the text holds at most 128 units;
//               forward then inverse only
//   byte 13     pass count of a long run
//   bytes 14-   the text (at most MaxUnits units), see DecodeText
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/alphabet.h"
#include "engine/cipher_state.h"
#include "engine/key_library.h"
#include "engine/key_preparation.h"
#include "engine/passes.h"
#include "engine/run_input.h"
#include "engine/text_holder.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/reference_cipher.h"
#include "tests/support/test_data.h"

namespace {

using namespace velk;

// The literal reference is quadratic; longer texts are the unit tests' job.
constexpr std::size_t MaxUnits = 2000;
constexpr std::size_t MaxUnitsLongRun = 128;
constexpr std::size_t HeaderBytes = 14;

using fuzz::Require;

using test::Library;

// Units outside the Alphabet a pass must leave alone, several of them sharing
// a low byte with an Alphabet character or lying next to one.
constexpr std::array<char16_t, 40> Others = {
    u'\r',  u'\n',  u'\t',  u'!',   0x0000, 0x007F, 0x0080, 0x00A0, 0x00A2, 0x00A4,
    0x00AB, 0x00AD, 0x00BE, 0x00C0, 0x00D7, 0x00D9, 0x00FF, 0x0100, 0x0122, 0x0171,
    0x01AC, 0x01D8, 0x0220, 0x20AB, 0x20AD, 0x21AC, 0x2022, 0x2122, 0xAC20, 0xD800,
    0xDBFF, 0xDC00, 0xDFFF, 0xFEFF, 0xFFFD, 0xFFFF, 0xFF71, 0xFF02, 0x3000, 0x0660};

// Byte mode: 0-199 an Alphabet character (byte % 100), 200-254 one of Others,
// 255 the raw unit of the next two bytes (little-endian). Raw mode: UTF-16LE.
std::u16string DecodeText(std::span<const std::uint8_t> bytes, bool raw) {
    std::u16string text;
    if (raw) {
        for (std::size_t i = 0; i + 1 < bytes.size() && text.size() < MaxUnits; i += 2) {
            text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
        }
        return text;
    }
    const auto& alphabet = Alphabet();
    for (std::size_t i = 0; i < bytes.size() && text.size() < MaxUnits; ++i) {
        const std::uint8_t b = bytes[i];
        if (b < 200) {
            text.push_back(alphabet[b % KeyLength]);
        } else if (b < 255) {
            text.push_back(Others[static_cast<std::size_t>(b - 200) % Others.size()]);
        } else if (i + 2 < bytes.size()) {
            text.push_back(static_cast<char16_t>(bytes[i + 1] | (bytes[i + 2] << 8)));
            i += 2;
        } else {
            text.push_back(Others[0]);
        }
    }
    return text;
}

std::u16string KeyText(int number) {
    return {static_cast<char16_t>(u'0' + number / 10), static_cast<char16_t>(u'0' + number % 10)};
}

bool SameState(const CipherState& a, const CipherState& b) {
    return a.workingKeys == b.workingKeys && a.pinOffsets == b.pinOffsets &&
           a.counters == b.counters && a.passState == b.passState;
}

using PassFunction = void (*)(CipherState&, TextHolder&, TextHolder&);

// One fast and one reference pass from the same prepared state and buffer
// must leave the holders, the working keys, the counters and the pass state
// exactly alike; the fast pass appends the text's length to the buffer.
void CheckAgainstReference(PassFunction fast, PassFunction literal, const CipherState& prepared,
                           const std::u16string& text, const std::u16string& buffer) {
    CipherState fastState = prepared;
    MemoryTextHolder fast1(text);
    MemoryTextHolder fast2(buffer);
    fast(fastState, fast1, fast2);

    CipherState slowState = prepared;
    MemoryTextHolder slow1(text);
    MemoryTextHolder slow2(buffer);
    literal(slowState, slow1, slow2);

    const std::u16string out = fast1.ReadText();
    Require(out == slow1.ReadText(), "fast pass Text1 differs from the reference");
    Require(fast2.ReadText() == slow2.ReadText(), "fast pass Text2 differs from the reference");
    Require(fast2.ReadText().empty(), "Text2 not emptied by the pass");
    Require(out.size() == buffer.size() + text.size(), "pass changed the length");
    Require(out.compare(0, buffer.size(), buffer) == 0,
            "pass did not keep the buffer's leftovers first");
    Require(fastState.workingKeys == slowState.workingKeys,
            "working keys differ from the reference");
    Require(fastState.counters == slowState.counters, "counters differ from the reference");
    Require(fastState.pinOffsets == slowState.pinOffsets, "PIN offsets differ from the reference");
    Require(fastState.passState == slowState.passState, "PassState differs from the reference");
}

// Which of the 65,536 units the Alphabet holds (a table: the checks below
// run for every unit of every pass).
bool InAlphabet(char16_t c) {
    static const std::vector<bool> table = [] {
        std::vector<bool> t(0x10000, false);
        for (const char16_t a : Alphabet()) {
            t[a] = true;
        }
        return t;
    }();
    return table[c];
}

// What one pass may do to a text: same length, units outside the Alphabet
// untouched, Alphabet characters mapped to Alphabet characters.
void CheckPassShape(const std::u16string& before, const std::u16string& after) {
    Require(after.size() == before.size(), "pass changed the length");
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (!InAlphabet(before[i])) {
            Require(after[i] == before[i], "unit outside the Alphabet moved or changed");
        } else {
            Require(InAlphabet(after[i]), "Alphabet character left the Alphabet");
        }
    }
}

std::u16string RunPasses(PassFunction pass, const std::u16string& text, const std::u16string& pin,
                         std::span<const std::u16string> keys, int passes) {
    CipherState state;
    MemoryTextHolder text1(text);
    MemoryTextHolder text2;
    std::u16string current = text;
    for (int i = 0; i < passes; ++i) {
        PreparePass(state, Library(), pin, keys);
        pass(state, text1, text2);
        std::u16string next = text1.ReadText();
        CheckPassShape(current, next);
        Require(text2.ReadText().empty(), "Text2 not emptied by the pass");
        current = std::move(next);
    }
    return current;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, HeaderBytes> header{};
    for (std::size_t i = 0; i < HeaderBytes && i < size; ++i) {
        header[i] = data[i];
    }
    const std::span<const std::uint8_t> rest =
        size > HeaderBytes ? std::span<const std::uint8_t>(data + HeaderBytes, size - HeaderBytes)
                           : std::span<const std::uint8_t>();

    std::u16string pin(PinCharacters, u'0');
    for (std::size_t i = 0; i < pin.size(); ++i) {
        pin[i] = static_cast<char16_t>(u'0' + header[i] % 10);
    }
    std::array<KeyNumber, 4> numbers{};
    std::array<std::u16string, 4> keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        numbers[i] = static_cast<KeyNumber>(1 + header[8 + i] % 99);
        keys[i] = KeyText(numbers[i]);
    }
    const std::uint8_t flags = header[12];
    const bool leftovers = (flags & 0x04U) != 0;
    const std::u16string text = DecodeText(rest, (flags & 0x08U) != 0);
    int passes = 1 + (flags & 0x03);
    if ((flags & 0x10U) != 0 && text.size() <= MaxUnitsLongRun) {
        passes = 1 + header[13];
    }

    // The library form and the fixed form on the same master keys prepare
    // the same state, whatever the state held before.
    CipherState prepared;
    prepared.passState = {1234, 56, u"~"};
    PreparePass(prepared, Library(), pin, keys);
    CipherState fixed;
    fixed.counters = {7, 8, 9};
    fixed.passState = {1234, 56, u"~"};
    PreparePass(fixed, SelectKeys(Library(), numbers), pin);
    Require(SameState(prepared, fixed), "library and fixed preparation differ");
    for (std::size_t i = 0; i < 4; ++i) {
        Require(prepared.pinOffsets[i] == (pin[2 * i] - u'0') * 10 + (pin[2 * i + 1] - u'0'),
                "PIN offsets do not match the digits");
    }

    // Leftovers in the output buffer (as a failed earlier run could leave).
    const std::u16string buffer =
        leftovers ? text.substr(0, text.size() % 7) + u"\u20AC\xFFFF" : std::u16string();
    CheckAgainstReference(&ForwardPass, &reference::ForwardPass, prepared, text, buffer);
    CheckAgainstReference(&InversePass, &reference::InversePass, prepared, text, buffer);

    const std::u16string enciphered = RunPasses(&ForwardPass, text, pin, keys, passes);
    Require(RunPasses(&InversePass, enciphered, pin, keys, passes) == text,
            "inverse did not undo forward");
    if (passes <= 4) {  // long runs check one order only, to keep them quick
        const std::u16string deciphered = RunPasses(&InversePass, text, pin, keys, passes);
        Require(RunPasses(&ForwardPass, deciphered, pin, keys, passes) == text,
                "forward did not undo inverse");
    }
    return 0;
}
