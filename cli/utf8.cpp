#include "cli/utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

#include <utf8.h>

#include "engine/wipe.h"

namespace velk::cli {

NotUtf8::NotUtf8(std::size_t offset)
    : std::runtime_error("not UTF-8 from byte offset " + std::to_string(offset)), offset_(offset) {}

namespace {

bool IsSurrogate(unsigned unit) {
    return (unit & 0xF800) == 0xD800;
}

bool IsAscii(char byte) {
    return static_cast<unsigned char>(byte) < 0x80;
}

unsigned Byte(const char* at) {
    return static_cast<unsigned char>(*at);
}

// The conversions go by steps: a run of ASCII, most of most texts, found in
// words read from the text, then the one character after the run. So a
// text with a character that is not ASCII every few words takes one round
// of the loop for each such character, not one for each byte with a branch
// that guesses the kind of the next. The words are read in the order of a
// little-endian machine; elsewhere every character takes the slower way.
constexpr bool StepsWork = std::endian::native == std::endian::little;

// A step looks for the end of its run in two words: so many bytes when
// decoding, so many units when encoding. After the run it reads the
// longest sequence it takes at once, and it writes as far as it reads.
constexpr std::ptrdiff_t WordsPerStep = 2;
constexpr std::ptrdiff_t DecodeRun = WordsPerStep * sizeof(std::uint64_t);
constexpr std::ptrdiff_t EncodeRun = WordsPerStep * sizeof(std::uint64_t) / sizeof(char16_t);
constexpr std::ptrdiff_t LongestBmpSequence = 3;
// How many bytes or units a step needs ahead of it: it reads and writes no
// further.
constexpr std::ptrdiff_t DecodeReach = DecodeRun + LongestBmpSequence;
constexpr std::ptrdiff_t EncodeReach = EncodeRun + LongestBmpSequence;
// The rooms are made for at least a unit for each byte decoded and a byte
// for each unit encoded, from wherever a step starts to the end: so a step
// writes no more than it needs ahead, its copy of a whole run and the
// character after it.
static_assert(DecodeRun + 1 <= DecodeReach, "a run's units and a character's unit");
static_assert(EncodeRun + LongestBmpSequence <= EncodeReach, "a run's bytes and a character's");

std::uint64_t Word(const void* at) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// `value` in each byte (Unit char) or unit (char16_t) of a word.
template <class Unit>
constexpr std::uint64_t EachLane(std::uint64_t value) {
    return value * (sizeof(Unit) == 1 ? 0x0101010101010101 : 0x0001000100010001);
}

// A word of bytes or units whose lowest set bit falls in the first of them
// that ends a run: one that is not ASCII, and with `AtControls` also one
// below 0x0E, among them CR and LF; the few others merely take the slower
// way. Below 0x0E, a byte or unit borrows when 0x0E is taken from it; the
// ones before it do not, so the first is found right.
template <class Unit, bool AtControls>
std::uint64_t RunEnds(std::uint64_t word) {
    constexpr std::uint64_t Top = EachLane<Unit>(sizeof(Unit) == 1 ? 0x80 : 0x8000);
    std::uint64_t ends = word & EachLane<Unit>(sizeof(Unit) == 1 ? 0x80 : 0xFF80);
    if constexpr (AtControls) {
        ends |= (word - EachLane<Unit>(0x0E)) & ~word & Top;
    }
    return ends;
}

// The length of the run the two words at `at` begin with.
template <bool AtControls, class Unit>
int RunLength(const Unit* at) {
    constexpr int Bits = 8 * sizeof(Unit);
    constexpr int PerWord = 64 / Bits;
    const std::uint64_t first = RunEnds<Unit, AtControls>(Word(at));
    return first != 0
               ? std::countr_zero(first) / Bits
               : PerWord + std::countr_zero(RunEnds<Unit, AtControls>(Word(at + PerWord))) / Bits;
}

// Copies without a branch, which the compiler turns into vector instructions.
void WidenAscii(const char* from, char16_t* to) {
    for (std::ptrdiff_t k = 0; k < DecodeRun; ++k) {
        to[k] = static_cast<char16_t>(Byte(from + k));
    }
}

void NarrowAscii(const char16_t* from, char* to) {
    for (std::ptrdiff_t k = 0; k < EncodeRun; ++k) {
        to[k] = static_cast<char>(from[k]);
    }
}

// The character of two or three bytes that `b0`, `b1` and `b2` begin with:
// its unit and length, or length 0 for any other bytes (ASCII, a sequence of
// four bytes, or one to refuse).
struct BmpSequence {
    char16_t unit;
    int length;
};

BmpSequence BmpSequenceOf(unsigned b0, unsigned b1, unsigned b2) {
    const bool follows1 = (b1 & 0xC0) == 0x80;
    // 0xC0 and 0xC1 begin only overlong forms.
    if (b0 >= 0xC2 && b0 <= 0xDF && follows1) {
        return {static_cast<char16_t>((b0 & 0x1F) << 6 | (b1 & 0x3F)), 2};
    }
    const unsigned three = (b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F);
    if ((b0 & 0xF0) == 0xE0 && follows1 && (b2 & 0xC0) == 0x80 && three >= 0x800 &&
        !IsSurrogate(three)) {
        return {static_cast<char16_t>(three), 3};
    }
    return {u'\0', 0};
}

// Writes the UTF-8 form of `unit`, which is neither ASCII nor a surrogate, as
// three bytes at `out` of which the first two or all three count; gives how
// many. Without a branch: the lengths mix in a text that has both.
int PutBmpUnit(unsigned unit, char* out) {
    const auto three = static_cast<unsigned>(unit >= 0x800);
    out[0] = static_cast<char>((0xC0 | three << 5) | unit >> (6 + 6 * three));
    out[1] = static_cast<char>(0x80 | (unit >> (6 * three) & 0x3F));
    out[2] = static_cast<char>(0x80 | (unit & 0x3F));
    return 2 + static_cast<int>(three);
}

// One step of decoding at `at`, which has DecodeReach bytes after it, to
// `out`: the run of up to DecodeRun bytes there (all of them are copied, as
// far as the run goes counted), then the character of two or three bytes
// after a run cut short. False, with `at` and `out` past the run, when the byte after it
// begins anything else, for the caller to take.
template <bool AtControls>
bool DecodeStep(const char*& at, char16_t*& out) {
    WidenAscii(at, out);
    const int run = RunLength<AtControls>(at);
    at += run;
    out += run;
    const bool more = run < DecodeRun;
    const BmpSequence next = BmpSequenceOf(Byte(at), Byte(at + 1), Byte(at + 2));
    if (more && next.length == 0) {
        return false;
    }
    *out = next.unit;
    out += more ? 1 : 0;
    at += more ? next.length : 0;
    return true;
}

// One step of encoding at `at`, which has EncodeReach units after it, to
// `out`, which has room for what they take: as DecodeStep, with runs of up
// to EncodeRun units.
template <bool AtControls>
bool EncodeStep(const char16_t*& at, char*& out) {
    NarrowAscii(at, out);
    const int run = RunLength<AtControls>(at);
    at += run;
    out += run;
    if (run == EncodeRun) {
        return true;
    }
    if (*at < 0x80 || IsSurrogate(*at)) {
        return false;
    }
    out += PutBmpUnit(*at++, out);
    return true;
}

// Decodes `bytes` to `out`, which has room for the result, each line break
// spelled CR LF and its spelling added to `breaks` when there are `breaks`;
// gives the end of what it wrote. Characters of up to three bytes, all but
// the rarest, are decoded a step at a time; the last few, too few for a
// step, and any other character one by one, the rarest by UTF8-CPP.
// utf8::next refuses what DecodeUtf8 lists (it checks a sequence for
// overlong forms, surrogates and values past U+10FFFF).
template <bool CrLf>
char16_t* Decode(std::string_view bytes, char16_t* out, std::vector<LineBreak>* breaks) {
    for (const char *at = bytes.data(), *end = at + bytes.size(); at != end;) {
        if (StepsWork && end - at >= DecodeReach && DecodeStep<CrLf>(at, out)) {
            continue;
        }
        if constexpr (CrLf) {
            if (const LineBreakAt found = LineBreakAtStart(at, end); found.length != 0) {
                breaks->push_back(found.form);
                at += found.length;
                *out++ = u'\r';
                *out++ = u'\n';
                continue;
            }
        }
        if (IsAscii(*at)) {
            *out++ = static_cast<char16_t>(*at++);
            continue;
        }
        // Past the end, 0, which continues no sequence.
        const auto byteAt = [&](std::ptrdiff_t k) { return end - at > k ? Byte(at + k) : 0U; };
        if (const BmpSequence next = BmpSequenceOf(byteAt(0), byteAt(1), byteAt(2));
            next.length != 0) {
            *out++ = next.unit;
            at += next.length;
            continue;
        }
        const char* sequence = at;
        std::uint32_t code = 0;
        try {
            code = utf8::next(at, end);
        } catch (const utf8::exception&) {
            throw NotUtf8(static_cast<std::size_t>(sequence - bytes.data()));
        }
        // BmpSequenceOf takes every valid character below U+10000; should it
        // leave one to UTF8-CPP, that one is a unit of its own, not a pair.
        if (code < 0x10000) {
            *out++ = static_cast<char16_t>(code);
            continue;
        }
        code -= 0x10000;  // past U+FFFF: a surrogate pair
        *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
    return out;
}

// Decodes `bytes` into `text`, which has room for the result, and cuts it to
// its length; overwrites it when the bytes are refused.
template <bool CrLf>
void DecodeInto(std::string_view bytes, std::u16string& text, std::vector<LineBreak>* breaks) {
    try {
        text.resize(
            static_cast<std::size_t>(Decode<CrLf>(bytes, text.data(), breaks) - text.data()));
    } catch (const NotUtf8&) {
        Wipe(text);
        throw;
    }
}

// The length of the UTF-8 form of `text`: a byte for an ASCII unit, 2 for a
// unit below U+0800, 2 for each unit of a surrogate pair and 3 for any other.
// Sums without a branch, which the compiler turns into vector instructions.
std::size_t Utf8Length(std::u16string_view text) {
    std::size_t length = 0;
    for (const char16_t unit : text) {
        length += 1 + static_cast<std::size_t>(unit >= 0x80) +
                  static_cast<std::size_t>(unit >= 0x800) -
                  static_cast<std::size_t>(IsSurrogate(unit));
    }
    return length;
}

// Writes EncodeUtf8(text, breaks) to `room`, which has at least as many bytes
// as Utf8Length(text); gives how many it wrote.
std::size_t Encode(std::u16string_view text, std::span<const LineBreak> breaks,
                   std::span<char> room) {
    char* out = room.data();
    auto spelling = breaks.begin();
    try {
        for (const char16_t *at = text.data(), *end = at + text.size(); at != end;) {
            const bool respell = spelling != breaks.end();
            if (StepsWork && end - at >= EncodeReach &&
                (respell ? EncodeStep<true>(at, out) : EncodeStep<false>(at, out))) {
                continue;
            }
            if (respell && *at == u'\r' && end - at > 1 && at[1] == u'\n') {
                if (*spelling != LineBreak::Lf) {
                    *out++ = '\r';
                }
                if (*spelling != LineBreak::Cr) {
                    *out++ = '\n';
                }
                ++spelling;
                at += 2;
            } else if (*at < 0x80) {
                *out++ = static_cast<char>(*at++);
            } else if (!IsSurrogate(*at)) {
                std::array<char, 3> sequence{};
                const int length = PutBmpUnit(*at++, sequence.data());
                out = std::copy_n(sequence.begin(), length, out);
            } else {
                // With the unit after it: a pair, or else refused.
                const auto units = std::min<std::ptrdiff_t>(2, end - at);
                out = utf8::utf16to8(at, at + units, out);
                at += units;
            }
        }
    } catch (const utf8::invalid_utf16&) {
        WipeBytes(room.data(), room.size());
        throw std::invalid_argument("text with an unpaired surrogate has no UTF-8 form");
    }
    if (spelling != breaks.end()) {
        WipeBytes(room.data(), room.size());
        throw std::invalid_argument("fewer line breaks than spellings to restore");
    }
    return static_cast<std::size_t>(out - room.data());
}

}  // namespace

// Both conversions write into room made up front, so no copy of the text is
// left behind by a string that grew, and no larger than needed: a page first
// touched costs a run more than converting what it holds.
std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');  // never more units than bytes, even within a step
    DecodeInto<false>(bytes, text, nullptr);
    return text;
}

CrLfText DecodeUtf8ToCrLf(std::string_view bytes) {
    // A CR LF takes the place of each LF or lone CR: a unit more for each
    // such byte at most. Counted without a branch, in vector registers.
    std::size_t breakBytes = 0;
    for (const char byte : bytes) {
        breakBytes +=
            static_cast<std::size_t>(byte == '\n') + static_cast<std::size_t>(byte == '\r');
    }
    CrLfText result{std::u16string(bytes.size() + breakBytes, u'\0'), {}};
    result.breaks.reserve(breakBytes);
    DecodeInto<true>(bytes, result.text, &result.breaks);
    return result;
}

std::u16string DecodeUtf8Replacing(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (auto at = bytes.begin();; ++at) {
        const auto invalid = utf8::find_invalid(at, bytes.end());
        utf8::unchecked::utf8to16(at, invalid, std::back_inserter(text));
        if (invalid == bytes.end()) {
            return text;
        }
        text.push_back(u'\uFFFD');
        at = invalid;
    }
}

std::string EncodeUtf8(std::u16string_view text, std::span<const LineBreak> breaks) {
    // An unpaired surrogate, counted as 2, is refused before it is written; a
    // line break takes at most the 2 bytes of its CR LF.
    std::string bytes(Utf8Length(text), '\0');
    bytes.resize(Encode(text, breaks, bytes));
    return bytes;
}

std::size_t EncodeUtf8(std::u16string_view text, std::span<const LineBreak> breaks,
                       std::span<char> room) {
    if (room.size() / 3 < text.size()) {
        throw std::length_error("no room for the UTF-8 form of the text");
    }
    return Encode(text, breaks, room);
}

}  // namespace velk::cli
