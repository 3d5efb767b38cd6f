// Strict UTF-8 to and from the UTF-16 text the passes work on, byte for byte.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

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
// The text has room for `spare` units more, for a change that lengthens it
// in place.
std::u16string DecodeUtf8(std::string_view bytes, std::size_t spare = 0);

// The UTF-16 text of `bytes` with each byte that is not part of a valid
// sequence taken as one U+FFFD, which no check accepts: for the PIN and the
// options, refused by the checks as the windows would refuse what was typed.
std::u16string DecodeUtf8Replacing(std::string_view bytes);

// The UTF-8 bytes of `text`, with no byte order mark added. Throws
// std::invalid_argument for an unpaired surrogate, which has no UTF-8 form.
std::string EncodeUtf8(std::u16string_view text);

}  // namespace velk::cli
