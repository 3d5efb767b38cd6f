// The second edition's numbered key library: the Alphabet and 99 keys.
#pragma once

#include <array>
#include <string>

namespace velk {

// Entry 0 the Alphabet, entries 1 to 99 key numbers 1 to 99.
inline constexpr int KeyLibrarySize = 100;
using KeyLibrary = std::array<std::u16string, KeyLibrarySize>;

// Fills all 100 entries, in order 0 to 99, replacing what they held; each
// key is joined at run time from its stored pieces and the double quote.
// Calling it again rebuilds the same values.
void FillKeyLibrary(KeyLibrary& library);

}  // namespace velk
