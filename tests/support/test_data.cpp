#include "tests/support/test_data.h"

#include "engine/cipher_state.h"
#include "engine/key_preparation.h"
#include "engine/passes.h"
#include "engine/text_holder.h"

namespace velk::test {

namespace {

template <class Prepare>
std::u16string Run(Direction direction, std::u16string text, int passes, Prepare prepare) {
    CipherState state;
    MemoryTextHolder text1(std::move(text));
    MemoryTextHolder text2;
    for (int i = 0; i < passes; ++i) {
        prepare(state);
        (direction == Direction::Forward ? ForwardPass : InversePass)(state, text1, text2);
    }
    return text1.ReadText();
}

}  // namespace

const KeyLibrary& Library() {
    static const KeyLibrary library = [] {
        KeyLibrary filled;
        FillKeyLibrary(filled);
        return filled;
    }();
    return library;
}

std::u16string RunPasses(Direction direction, std::u16string text, std::u16string_view pin,
                         std::span<const std::u16string> keys, int passes) {
    return Run(direction, std::move(text), passes,
               [&](CipherState& state) { PreparePass(state, Library(), pin, keys); });
}

std::u16string RunPasses(Direction direction, std::u16string text, std::u16string_view pin,
                         const KeySet& master, int passes) {
    return Run(direction, std::move(text), passes,
               [&](CipherState& state) { PreparePass(state, master, pin); });
}

std::u16string RandomText(std::mt19937& random, std::size_t length) {
    static constexpr char16_t Others[] = {u'\r',  u'\n',  u'\t',  u'!',   0x00A0, 0xD800, 0xDBFF,
                                          0xDC00, 0xDFFF, 0x0000, 0x00D9, 0x0100, 0x20AB, 0x20AD};
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    std::u16string text(length, u' ');
    for (auto& c : text) {
        const int k = kind(random);
        const auto u = static_cast<std::size_t>(unit(random));
        c = k < 7 ? Alphabet()[u % KeyLength]
                  : (k < 9 ? Others[u % std::size(Others)] : static_cast<char16_t>(u));
    }
    return text;
}

std::u16string RandomPin(std::mt19937& random) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::u16string pin(8, u'0');
    for (auto& c : pin) {
        c = static_cast<char16_t>(u'0' + digit(random));
    }
    return pin;
}

std::u16string KeyText(int number) {
    return {static_cast<char16_t>(u'0' + number / 10), static_cast<char16_t>(u'0' + number % 10)};
}

KeyTexts RandomKeys(std::mt19937& random) {
    std::uniform_int_distribution<int> number(1, 99);
    KeyTexts keys;
    for (auto& key : keys) {
        key = KeyText(number(random));
    }
    return keys;
}

}  // namespace velk::test
