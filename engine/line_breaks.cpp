#include "engine/line_breaks.h"

#include <stdexcept>

#include "engine/wipe.h"

namespace velk {

namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';

// Calls `onBreak(form)` for each line break of `text` and `onUnit(unit)` for
// every other unit, in order.
template <class OnUnit, class OnBreak>
void ReadLineBreaks(std::u16string_view text, OnUnit onUnit, OnBreak onBreak) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Most units are told apart from a line break by the first comparison.
        if (text[i] > Cr || (text[i] != Lf && text[i] != Cr)) {
            onUnit(text[i]);
        } else if (text[i] == Lf) {
            onBreak(LineBreak::Lf);
        } else if (i + 1 < text.size() && text[i + 1] == Lf) {
            onBreak(LineBreak::CrLf);
            ++i;
        } else {
            onBreak(LineBreak::Cr);
        }
    }
}

}  // namespace

CrLfText ToCrLf(std::u16string text) {
    CrLfText result;
    std::size_t length = 0;
    const auto unit = [&](char16_t) { ++length; };
    const auto lineBreak = [&](LineBreak form) {
        length += 2;
        result.breaks.push_back(form);
    };
    ReadLineBreaks(text, unit, lineBreak);
    if (text.capacity() < length) {
        std::u16string room;
        room.reserve(length);
        room = text;
        Wipe(text);
        text.swap(room);
    }
    // Written over itself from the back, where it grows: a unit is read
    // before it can be overwritten. A CR met on the way has no LF after it.
    std::size_t read = text.size();
    text.resize(length);
    std::size_t write = length;
    while (read > 0) {
        const char16_t c = text[--read];
        if (c == Lf || c == Cr) {
            if (c == Lf && read > 0 && text[read - 1] == Cr) {
                --read;
            }
            text[--write] = Lf;
            text[--write] = Cr;
        } else {
            text[--write] = c;
        }
    }
    result.text = std::move(text);
    return result;
}

std::size_t CrLfLength(std::u16string_view text) {
    std::size_t length = 0;
    const auto unit = [&](char16_t) { ++length; };
    const auto lineBreak = [&](LineBreak) { length += 2; };
    ReadLineBreaks(text, unit, lineBreak);
    return length;
}

std::u16string RestoreLineBreaks(std::u16string text, std::span<const LineBreak> breaks) {
    // Never longer than `text`, so written over it from the front: a unit is
    // read before it can be overwritten.
    char16_t* out = text.data();
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (next < breaks.size() && text[i] == Cr && i + 1 < text.size() && text[i + 1] == Lf) {
            const LineBreak form = breaks[next++];
            if (form != LineBreak::Lf) {
                *out++ = Cr;
            }
            if (form != LineBreak::Cr) {
                *out++ = Lf;
            }
            ++i;
        } else {
            *out++ = text[i];
        }
    }
    if (next < breaks.size()) {
        Wipe(text);
        throw std::invalid_argument("fewer line breaks than spellings to restore");
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

}  // namespace velk
