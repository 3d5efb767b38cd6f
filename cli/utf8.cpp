#include "cli/utf8.h"

#include <iterator>

#include <utf8.h>

#include "engine/wipe.h"

namespace velk::cli {

NotUtf8::NotUtf8(std::size_t offset)
    : std::runtime_error("not UTF-8 from byte offset " + std::to_string(offset)), offset_(offset) {}

// utf8::find_invalid refuses what the contract lists (it checks each
// sequence for overlong forms, surrogates and values past U+10FFFF) and
// points at the first byte of the first bad sequence. Both conversions write
// into room reserved up front, so no copy of the text is left behind by a
// string that grew.
std::u16string DecodeUtf8(std::string_view bytes) {
    const auto invalid = utf8::find_invalid(bytes.begin(), bytes.end());
    if (invalid != bytes.end()) {
        throw NotUtf8(static_cast<std::size_t>(invalid - bytes.begin()));
    }
    std::u16string text;
    text.reserve(bytes.size());  // never more units than bytes
    utf8::unchecked::utf8to16(bytes.begin(), bytes.end(), std::back_inserter(text));
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
    std::string bytes;
    bytes.reserve(3 * text.size());  // a pair's 4 bytes for its 2 units, else up to 3 a unit
    try {
        utf8::utf16to8(text.begin(), text.end(), std::back_inserter(bytes));
    } catch (const utf8::invalid_utf16&) {
        Wipe(bytes);
        throw std::invalid_argument("text with an unpaired surrogate has no UTF-8 form");
    }
    return bytes;
}

}  // namespace velk::cli
