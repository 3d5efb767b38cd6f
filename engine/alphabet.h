// The plain alphabet, keys and key sets that every pass works on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velk {

// Every key, and the Alphabet itself, holds exactly this many characters.
inline constexpr int KeyLength = 100;

// The 100-character plain alphabet: the stored 99-character text followed by
// the double quote (code 34), which no stored literal of the program holds.
const std::u16string& Alphabet();

// Index (0 to 99) of `c` in the Alphabet, or -1 when `c` is not in it.
int AlphabetIndex(char16_t c);

// True when `key` is a key: 100 characters, every Alphabet character once.
bool IsKey(std::u16string_view key);

// The key with its first `n` characters moved to its end; n from 0 to 99.
// n = 0 gives the key itself, n = 99 moves its last character to the front.
// The count of 100 is fixed: `key` must hold exactly 100 characters.
std::u16string TurnKey(std::u16string_view key, int n);

// A key as stored in the program: the characters before the double quote and
// those after it. Either piece may be empty.
struct KeyPieces {
    std::u16string_view first;
    std::u16string_view second;
};

// first + double quote + second.
std::u16string JoinKey(KeyPieces pieces);

// Slot 0 the Alphabet, slots 1 to 4 keys 1 to 4. It serves as the
// MasterKeySet a pass starts from (never turned) and as the WorkingKeySet a
// pass turns as it steps.
using KeySet = std::array<std::u16string, 5>;

}  // namespace velk
