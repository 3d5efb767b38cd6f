#include "engine/line_breaks.h"

#include <algorithm>

#include "engine/wipe.h"

namespace velk {

namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';

// The place of the first unit of `text` from `from` on that is CR or below
// it, and so may be a line break, or text.size(). Looks at a block of units
// at a time without a branch, which the compiler turns into vector compares:
// a text has dozens of units between its line breaks.
std::size_t SkipToCrOrBelow(std::u16string_view text, std::size_t from) {
    constexpr std::size_t Block = 16;
    for (; from + Block <= text.size(); from += Block) {
        bool found = false;
        for (std::size_t k = 0; k < Block; ++k) {
            found |= text[from + k] <= Cr;
        }
        if (found) {
            break;
        }
    }
    while (from < text.size() && text[from] > Cr) {
        ++from;
    }
    return from;
}

// Calls `onBreak(found, place)` for each line break of `text`, in order, with
// the place of its first unit.
template <class OnBreak>
void ReadLineBreaks(std::u16string_view text, OnBreak onBreak) {
    for (std::size_t i = SkipToCrOrBelow(text, 0); i < text.size();
         i = SkipToCrOrBelow(text, i + 1)) {
        const LineBreakAt found = LineBreakAtStart(text.data() + i, text.data() + text.size());
        if (found.length != 0) {
            onBreak(found, i);
            i += static_cast<std::size_t>(found.length) - 1;
        }
    }
}

}  // namespace

CrLfText ToCrLf(std::u16string text) {
    CrLfText result;
    result.text.resize(CrLfLength(text));  // made up front, so that it never grows
    auto out = result.text.begin();
    const std::u16string_view units(text);
    std::size_t read = 0;
    // A run of units between two line breaks at a time.
    ReadLineBreaks(units, [&](LineBreakAt found, std::size_t place) {
        const std::u16string_view run = units.substr(read, place - read);
        out = std::copy(run.begin(), run.end(), out);
        *out++ = Cr;
        *out++ = Lf;
        result.breaks.push_back(found.form);
        read = place + static_cast<std::size_t>(found.length);
    });
    std::copy(units.begin() + static_cast<std::ptrdiff_t>(read), units.end(), out);
    Wipe(text);
    return result;
}

std::size_t CrLfLength(std::u16string_view text) {
    std::size_t length = text.size();
    // Each becomes the two units of CR LF.
    ReadLineBreaks(text, [&](LineBreakAt found, std::size_t) {
        length += 2 - static_cast<std::size_t>(found.length);
    });
    return length;
}

}  // namespace velk
