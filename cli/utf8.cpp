#include "cli/utf8.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include <utf8.h>

#include "engine/wipe.h"

namespace velk::cli {

NotUtf8::NotUtf8(std::size_t offset)
    : std::runtime_error("not UTF-8 from byte offset " + std::to_string(offset)), offset_(offset) {}

namespace {

bool IsAscii(char byte) {
    return static_cast<unsigned char>(byte) < 0x80;
}

bool IsSurrogate(char16_t unit) {
    return (unit & 0xF800) == 0xD800;
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

// ASCII, most of most texts, is copied unit for unit, several times faster
// than UTF8-CPP converts it; UTF8-CPP takes each other sequence.
// utf8::next refuses what the contract lists (it checks the sequence for
// overlong forms, surrogates and values past U+10FFFF). Both conversions
// write into room made up front, so no copy of the text is left behind by a
// string that grew, and no larger than needed: a page first touched costs a
// run more than converting what it holds.
std::u16string DecodeUtf8(std::string_view bytes, std::size_t spare) {
    std::u16string text;
    text.reserve(bytes.size() + spare);
    text.resize(bytes.size());  // never more units than bytes
    char16_t* out = text.data();
    for (const char *at = bytes.data(), *end = at + bytes.size(); at != end;) {
        if (IsAscii(*at)) {
            *out++ = static_cast<unsigned char>(*at++);
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
        if (code > 0xFFFF) {  // a surrogate pair
            code -= 0x10000;
            *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
            *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            *out++ = static_cast<char16_t>(code);
        }
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
            if (*at < 0x80) {
                *out++ = static_cast<char>(*at++);
            } else if (!IsSurrogate(*at)) {
                out = utf8::unchecked::append(*at++, out);
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
