// Line breaks as the passes see them: carriage return and line feed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// The ways a text can spell a line break.
enum class LineBreak : std::uint8_t { Lf, CrLf, Cr };

// The line break that begins at `at`, before `end`, of a text of UTF-16
// units or of bytes (ASCII and UTF-8 spell the two characters alike), and
// how many units or bytes it takes: LF, CR LF, or a CR without an LF after
// it; length 0 where none begins. What the passes see in the place of each
// is CR LF.
struct LineBreakAt {
    LineBreak form;
    int length;
};
template <class Unit>
constexpr LineBreakAt LineBreakAtStart(const Unit* at, const Unit* end) {
    if (*at == Unit{'\n'}) {
        return {LineBreak::Lf, 1};
    }
    if (*at != Unit{'\r'}) {
        return {LineBreak::Lf, 0};
    }
    return end - at > 1 && at[1] == Unit{'\n'} ? LineBreakAt{LineBreak::CrLf, 2}
                                               : LineBreakAt{LineBreak::Cr, 1};
}

// A text's line breaks each spelled CR LF, with the spelling each had, in
// order. The passes key every character by its place, so a text must reach
// them with one spelling whatever it came in: CR LF, which the window's text
// box holds on the desktop the cipher was made for. Each line break of
// LineBreakAtStart counts as one; every other unit is kept as it is.
struct CrLfText {
    std::u16string text;
    std::vector<LineBreak> breaks;
};
// Overwrites `text` once it is copied: no copy of the text is left behind.
CrLfText ToCrLf(std::u16string text);

// The length of ToCrLf(text).text, without building it.
std::size_t CrLfLength(std::u16string_view text);

}  // namespace velk
