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

// A text's line breaks each spelled CR LF, with the spelling each had, in
// order. The passes key every character by its place, so a text must reach
// them with one spelling whatever it came in: CR LF, which the window's text
// box holds on the desktop the cipher was made for. LF, CR LF and a lone CR
// each count as one line break; every other unit is kept as it is.
struct CrLfText {
    std::u16string text;
    std::vector<LineBreak> breaks;
};
// Overwrites `text` once it is copied: no copy of the text is left behind.
CrLfText ToCrLf(std::u16string text);

// The length of ToCrLf(text).text, without building it.
std::size_t CrLfLength(std::u16string_view text);

}  // namespace velk
