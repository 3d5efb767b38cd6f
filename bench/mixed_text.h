// The text the benchmarks work on: of the kind users encipher.
#pragma once

#include <random>
#include <string>
#include <string_view>

#include "engine/alphabet.h"

namespace velk::bench {

// `length` units, the same on every call: mostly Alphabet characters, some
// blanks, `lineBreak` about every 60 units (never cut at the end), and now
// and then a character the passes leave alone.
inline std::u16string MixedText(std::size_t length, std::u16string_view lineBreak) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(0, 99);
    const std::u16string_view others = u"\t!\u00A0\u00E9\u00FC\u2014";
    std::u16string text;
    text.reserve(length + lineBreak.size());
    while (text.size() < length) {
        const int p = pick(random);
        if (text.size() % 61 == 60 && text.size() + lineBreak.size() <= length) {
            text += lineBreak;
        } else if (p < 15) {
            text += u' ';
        } else if (p < 17) {
            text += others[static_cast<std::size_t>(p) % others.size()];
        } else {
            text += Alphabet()[static_cast<std::size_t>(pick(random))];
        }
    }
    text.resize(length);
    return text;
}

// MixedText(length, CR LF) with each line break a single LF, as a window's
// box or a file written on Linux holds it. A pass sees each line break as
// CR LF, so this is a text of `length` characters as a run counts them.
inline std::u16string MixedTextWithLf(std::size_t length) {
    const std::u16string crLf = MixedText(length, u"\r\n");
    std::u16string text;
    text.reserve(crLf.size());
    for (const char16_t c : crLf) {
        if (c != u'\r') {
            text += c;
        }
    }
    return text;
}

}  // namespace velk::bench
