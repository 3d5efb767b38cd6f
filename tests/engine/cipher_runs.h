// Helpers the engine tests share: a filled key library, whole runs of passes
// as the commands make them, and random texts that mix Alphabet characters
// with everything a pass must leave alone.
#pragma once

#include <array>
#include <random>
#include <string>

#include "engine/alphabet.h"
#include "engine/cipher_state.h"
#include "engine/key_library.h"
#include "engine/key_preparation.h"
#include "engine/passes.h"
#include "engine/text_holder.h"
#include "tests/support/test_data.h"

namespace velk::test {

using KeyTexts = std::array<std::u16string, 4>;

using test::Library;

enum class Direction { Forward, Inverse };

using PassFunction = void (*)(CipherState&, TextHolder&, TextHolder&);

inline PassFunction FastPass(Direction d) {
    return d == Direction::Forward ? &ForwardPass : &InversePass;
}

// `passes` passes over `text`, each prepared afresh from the PIN and keys.
inline std::u16string RunPasses(Direction direction, std::u16string text, std::u16string_view pin,
                                const KeyTexts& keys, int passes) {
    CipherState state;
    MemoryTextHolder text1(std::move(text));
    MemoryTextHolder text2;
    for (int i = 0; i < passes; ++i) {
        PreparePass(state, Library(), pin, keys);
        FastPass(direction)(state, text1, text2);
    }
    return text1.ReadText();
}

// Mostly Alphabet characters, with spaces, line breaks, tabs, NBSP, the
// exclamation mark, lone surrogates and other units outside the Alphabet
// (some of them next to the Alphabet's non-ASCII characters).
inline std::u16string RandomText(std::mt19937& random, std::size_t length) {
    static constexpr char16_t Others[] = {u'\r',  u'\n',  u'\t',  u'!',   0x00A0, 0xD800,
                                          0xDBFF, 0xDC00, 0xDFFF, 0x0000, 0x007F, 0x00FF,
                                          0x00D9, 0x20AB, 0x20AD, 0xFFFF};
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<std::size_t> inAlphabet(0, KeyLength - 1);
    std::uniform_int_distribution<std::size_t> other(0, std::size(Others) - 1);
    std::uniform_int_distribution<int> anyUnit(0, 0xFFFF);
    std::u16string text(length, u' ');
    for (auto& c : text) {
        const int k = kind(random);
        if (k < 7) {
            c = Alphabet()[inAlphabet(random)];
        } else if (k < 9) {
            c = Others[other(random)];
        } else {
            c = static_cast<char16_t>(anyUnit(random));
        }
    }
    return text;
}

inline std::u16string RandomPin(std::mt19937& random) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::u16string pin(8, u'0');
    for (auto& c : pin) {
        c = static_cast<char16_t>(u'0' + digit(random));
    }
    return pin;
}

inline std::u16string KeyText(int number) {
    return {static_cast<char16_t>(u'0' + number / 10), static_cast<char16_t>(u'0' + number % 10)};
}

inline KeyTexts RandomKeys(std::mt19937& random) {
    std::uniform_int_distribution<int> number(1, 99);
    return {KeyText(number(random)), KeyText(number(random)), KeyText(number(random)),
            KeyText(number(random))};
}

}  // namespace velk::test
