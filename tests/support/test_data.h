// What the tests, the fuzzer and the benchmarks share: the filled key
// library, whole runs of passes as the commands make them, random input.
#pragma once

#include <array>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "engine/alphabet.h"
#include "engine/key_library.h"
#include "engine/passes.h"

namespace velk::test {

// The second edition's key library, filled once.
const KeyLibrary& Library();

using KeyTexts = std::array<std::u16string, 4>;

// `passes` passes over `text`, each prepared afresh from the PIN and either
// four library key texts or a fixed master key set, as a command runs them.
std::u16string RunPasses(Direction direction, std::u16string text, std::u16string_view pin,
                         std::span<const std::u16string> keys, int passes);
std::u16string RunPasses(Direction direction, std::u16string text, std::u16string_view pin,
                         const KeySet& master, int passes);

// Mostly Alphabet characters, the rest line breaks, tabs, NBSP, '!', lone
// surrogates and any other unit, some of them next to the Alphabet's
// non-ASCII characters.
std::u16string RandomText(std::mt19937& random, std::size_t length);
std::u16string RandomPin(std::mt19937& random);
// The text a picker shows for key `number`, 1 to 99: "01" to "99".
std::u16string KeyText(int number);
// Four key texts "01" to "99", equal ones allowed.
KeyTexts RandomKeys(std::mt19937& random);

}  // namespace velk::test
