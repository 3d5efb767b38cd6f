#include "engine/line_breaks.h"

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

bool IsCrLfAt(std::u16string_view text, std::size_t i) {
    return text[i] == Cr && i + 1 < text.size() && text[i + 1] == Lf;
}

// Calls `onBreak(form, place)` for each line break of `text`, in order, with
// the place of its first unit.
template <class OnBreak>
void ReadLineBreaks(std::u16string_view text, OnBreak onBreak) {
    for (std::size_t i = SkipToCrOrBelow(text, 0); i < text.size();
         i = SkipToCrOrBelow(text, i + 1)) {
        if (text[i] == Lf) {
            onBreak(LineBreak::Lf, i);
        } else if (IsCrLfAt(text, i)) {
            onBreak(LineBreak::CrLf, i);
            ++i;
        } else if (text[i] == Cr) {
            onBreak(LineBreak::Cr, i);
        }
    }
}

// Moves `count` units from `from` to `to` within one string; the spans may
// overlap.
void MoveUnits(std::u16string& text, std::size_t to, std::size_t from, std::size_t count) {
    if (to != from) {
        std::char_traits<char16_t>::move(text.data() + to, text.data() + from, count);
    }
}

}  // namespace

CrLfText ToCrLf(std::u16string text) {
    CrLfText result;
    std::vector<std::size_t> places;
    std::size_t length = text.size();
    ReadLineBreaks(text, [&](LineBreak form, std::size_t place) {
        result.breaks.push_back(form);
        places.push_back(place);
        length += form == LineBreak::CrLf ? 0 : 1;
    });
    if (length == text.size()) {  // every line break CR LF already
        result.text = std::move(text);
        return result;
    }
    if (text.capacity() < length) {
        std::u16string room;
        room.reserve(length);
        room = text;
        Wipe(text);
        text.swap(room);
    }
    // Written over itself from the back, where it grows, a run of units
    // between two line breaks at a time: a unit is read before it can be
    // overwritten.
    std::size_t read = text.size();
    text.resize(length);
    std::size_t write = length;
    for (std::size_t b = places.size(); b-- > 0;) {
        const std::size_t after = places[b] + (result.breaks[b] == LineBreak::CrLf ? 2 : 1);
        write -= read - after;
        MoveUnits(text, write, after, read - after);
        text[--write] = Lf;
        text[--write] = Cr;
        read = places[b];
    }
    result.text = std::move(text);
    return result;
}

std::size_t CrLfLength(std::u16string_view text) {
    std::size_t length = text.size();
    ReadLineBreaks(text,
                   [&](LineBreak form, std::size_t) { length += form == LineBreak::CrLf ? 0 : 1; });
    return length;
}

}  // namespace velk
