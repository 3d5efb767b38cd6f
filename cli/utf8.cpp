#include "cli/utf8.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <type_traits>

#include <utf8.h>

#include "engine/wipe.h"

namespace velk::cli {

NotUtf8::NotUtf8(std::size_t offset)
    : std::runtime_error("not UTF-8 from byte offset " + std::to_string(offset)), offset_(offset) {}

namespace {

bool IsSurrogate(char16_t unit) {
    return (unit & 0xF800) == 0xD800;
}

// ASCII, most of most texts, is converted a block of units at a time: tested
// and copied without a branch, which the compiler turns into vector
// instructions. Eight, as a ciphertext has a character that is not ASCII
// about every sixteenth.
constexpr std::ptrdiff_t AsciiBlock = 8;

// Whether the AsciiBlock units from `at` are all ASCII.
template <class Unit>
bool AsciiBlockAt(const Unit* at) {
    std::uint32_t bits = 0;
    for (std::ptrdiff_t k = 0; k < AsciiBlock; ++k) {
        bits |= static_cast<std::make_unsigned_t<Unit>>(at[k]);
    }
    return bits < 0x80;
}

template <class From, class To>
void CopyAsciiBlock(const From* from, To* to) {
    for (std::ptrdiff_t k = 0; k < AsciiBlock; ++k) {
        to[k] = static_cast<To>(static_cast<std::make_unsigned_t<From>>(from[k]));
    }
}

bool IsAscii(char byte) {
    return static_cast<unsigned char>(byte) < 0x80;
}

unsigned Byte(const char* at) {
    return static_cast<unsigned char>(*at);
}

bool IsContinuation(const char* at) {
    return (Byte(at) & 0xC0) == 0x80;
}

// The unit that the valid sequence of two or three bytes at `at` encodes,
// and moves `at` past it; nothing, with `at` where it was, for any other
// bytes (a sequence of four bytes, or one to refuse).
std::optional<char16_t> NextBmpUnit(const char*& at, const char* end) {
    const unsigned lead = Byte(at);
    // 0xC0 and 0xC1 begin only overlong forms.
    if (lead >= 0xC2 && lead <= 0xDF && end - at >= 2 && IsContinuation(at + 1)) {
        const auto unit = static_cast<char16_t>((lead & 0x1F) << 6 | (Byte(at + 1) & 0x3F));
        at += 2;
        return unit;
    }
    if ((lead & 0xF0) == 0xE0 && end - at >= 3 && IsContinuation(at + 1) &&
        IsContinuation(at + 2)) {
        const auto unit = static_cast<char16_t>((lead & 0x0F) << 12 | (Byte(at + 1) & 0x3F) << 6 |
                                                (Byte(at + 2) & 0x3F));
        if (unit >= 0x800 && !IsSurrogate(unit)) {
            at += 3;
            return unit;
        }
    }
    return std::nullopt;
}

// Writes the UTF-8 form of `unit`, which is neither ASCII nor a surrogate,
// at `out` and moves `out` past it.
void AppendBmpUnit(char16_t unit, char*& out) {
    if (unit < 0x800) {
        *out++ = static_cast<char>(0xC0 | unit >> 6);
        *out++ = static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | unit >> 12);
        *out++ = static_cast<char>(0x80 | (unit >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (unit & 0x3F));
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

}  // namespace

// Characters of up to three bytes, all but the rarest, are converted here;
// UTF8-CPP takes the rest. utf8::next refuses what the contract lists (it
// checks a sequence for overlong forms, surrogates and values past
// U+10FFFF). Both conversions write into room made up front, so no copy of
// the text is left behind by a string that grew, and no larger than needed:
// a page first touched costs a run more than converting what it holds.
std::u16string DecodeUtf8(std::string_view bytes, std::size_t spare) {
    std::u16string text;
    text.reserve(bytes.size() + spare);
    text.resize(bytes.size());  // never more units than bytes
    char16_t* out = text.data();
    for (const char *at = bytes.data(), *end = at + bytes.size(); at != end;) {
        if (end - at >= AsciiBlock && AsciiBlockAt(at)) {
            CopyAsciiBlock(at, out);
            at += AsciiBlock;
            out += AsciiBlock;
            continue;
        }
        // The block holds a character that is not ASCII: up to it one by one.
        while (at != end && IsAscii(*at)) {
            *out++ = static_cast<char16_t>(*at++);
        }
        if (at == end) {
            break;
        }
        if (const std::optional<char16_t> unit = NextBmpUnit(at, end)) {
            *out++ = *unit;
            continue;
        }
        const char* sequence = at;
        std::uint32_t code = 0;
        try {
            code = utf8::next(at, end);
        } catch (const utf8::exception&) {
            Wipe(text);
            throw NotUtf8(static_cast<std::size_t>(sequence - bytes.data()));
        }
        code -= 0x10000;  // past U+FFFF: a surrogate pair
        *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
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

std::string EncodeUtf8(std::u16string_view text) {
    // An unpaired surrogate, counted as 2, is refused before it is written.
    std::string bytes(Utf8Length(text), '\0');
    char* out = bytes.data();
    try {
        for (auto at = text.begin(); at != text.end();) {
            if (text.end() - at >= AsciiBlock && AsciiBlockAt(&*at)) {
                CopyAsciiBlock(&*at, out);
                at += AsciiBlock;
                out += AsciiBlock;
                continue;
            }
            // The block holds a unit that is not ASCII: up to it one by one.
            while (at != text.end() && *at < 0x80) {
                *out++ = static_cast<char>(*at++);
            }
            if (at == text.end()) {
                break;
            }
            if (!IsSurrogate(*at)) {
                AppendBmpUnit(*at++, out);
            } else {
                // With the unit after it: a pair, or else refused.
                const auto units = std::min<std::ptrdiff_t>(2, text.end() - at);
                out = utf8::utf16to8(at, at + units, out);
                at += units;
            }
        }
    } catch (const utf8::invalid_utf16&) {
        Wipe(bytes);
        throw std::invalid_argument("text with an unpaired surrogate has no UTF-8 form");
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return bytes;
}

}  // namespace velk::cli
