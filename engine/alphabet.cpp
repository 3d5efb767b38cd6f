#include "engine/alphabet.h"

#include <algorithm>

namespace velk {

namespace {

// The Alphabet's first 99 characters in keyboard order; the double quote is
// appended at run time.
constexpr std::u16string_view AlphabetText =
    u"qwertyuiopasdfghjklzxcvbnmQWERTYUIOPASDFGHJKLZXCVBNM1234567890 `-=[];'#\\,./"
    u"\u00AC\u00A3$%^&*()_+{}:@~|<>\?\u20AC\u00BF\u00A7\u00D8";
static_assert(AlphabetText.size() == KeyLength - 1);

constexpr char16_t DoubleQuote = 34;

}  // namespace

const std::u16string& Alphabet() {
    static const std::u16string alphabet = std::u16string(AlphabetText) + DoubleQuote;
    return alphabet;
}

int AlphabetIndex(char16_t c) {
    const auto& alphabet = Alphabet();
    const auto at = alphabet.find(c);
    return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

bool IsKey(std::u16string_view key) {
    if (key.size() != KeyLength) {
        return false;
    }
    std::array<bool, KeyLength> seen{};
    for (const char16_t c : key) {
        const int index = AlphabetIndex(c);
        if (index < 0 || seen[static_cast<std::size_t>(index)]) {
            return false;
        }
        seen[static_cast<std::size_t>(index)] = true;
    }
    return true;
}

std::u16string TurnKey(std::u16string_view key, int n) {
    // One buffer from the start: growing it would leave a piece of the
    // turned key behind.
    std::u16string turned;
    turned.reserve(KeyLength);
    turned.append(key.substr(static_cast<std::size_t>(n), KeyLength - n));
    turned.append(key.substr(0, static_cast<std::size_t>(n)));
    return turned;
}

std::u16string JoinKey(KeyPieces pieces) {
    std::u16string key(pieces.first);
    key += DoubleQuote;
    key.append(pieces.second);
    return key;
}

}  // namespace velk
