// Strict UTF-8 to and from the UTF-16 text the passes work on, byte for byte.
#pragma once

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/line_breaks.h"

namespace velk::cli {

// Thrown for bytes that are not UTF-8; offset() is where they stop being it.
class NotUtf8 : public std::runtime_error {
public:
    explicit NotUtf8(std::size_t offset);
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};

// The UTF-16 text of `bytes`. Nothing is dropped or replaced: a byte order
// mark stays U+FEFF, and anything that is not UTF-8 (a stray continuation
// byte, a sequence cut short, also at the end, an overlong form, an encoded
// surrogate, a value above U+10FFFF) throws NotUtf8 with the offset, counted
// from 0, of the first byte of the first sequence that is not valid.
std::u16string DecodeUtf8(std::string_view bytes);

// ToCrLf(DecodeUtf8(bytes)), made in one go over the bytes: each line break
// spelled CR LF, with the spellings it came with.
CrLfText DecodeUtf8ToCrLf(std::string_view bytes);

// The UTF-16 text of `bytes` with each byte that is not part of a valid
// sequence taken as one U+FFFD, which no check accepts: for the PIN and the
// options, refused by the checks as the windows would refuse what was typed.
std::u16string DecodeUtf8Replacing(std::string_view bytes);

// The UTF-8 bytes of `text`, with no byte order mark added, and with its
// first CR LF pairs spelled again as `breaks` gives them, in one go: the
// i-th CR LF becomes breaks[i], and pairs past the end of `breaks` stay.
// Throws std::invalid_argument for an unpaired surrogate, which has no UTF-8
// form, and when `text` holds fewer CR LF pairs than `breaks`.
std::string EncodeUtf8(std::u16string_view text, std::span<const LineBreak> breaks = {});

// EncodeUtf8(text, breaks) written to `room`, which has at least 3 bytes for
// each unit of `text`, the most any text takes; gives how many it wrote.
// Throws as EncodeUtf8, with `room` overwritten.
std::size_t EncodeUtf8(std::u16string_view text, std::span<const LineBreak> breaks,
                       std::span<char> room);

}  // namespace velk::cli
