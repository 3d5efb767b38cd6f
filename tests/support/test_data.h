// Data the tests, fuzzers and benchmarks share: the filled key library and a
// long text of the kind users encipher.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/key_library.h"

namespace velk::test {

// The second edition's key library, filled once.
const KeyLibrary& Library();

// `length` units, the same on every call: mostly Alphabet characters, some
// blanks, `lineBreak` about every 60 units, and now and then a character
// the passes leave alone.
std::u16string MixedText(std::size_t length, std::u16string_view lineBreak);

}  // namespace velk::test
