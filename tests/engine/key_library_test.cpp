#include "engine/key_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <unordered_map>

#include "engine/alphabet.h"
#include "tests/support/test_data.h"

namespace velk {
namespace {

constexpr char16_t DoubleQuote = 34;

TEST(KeyLibrary, EntryZeroIsTheAlphabetAndTheRestAreKeys) {
    const auto& library = test::Library();
    EXPECT_EQ(library[0], Alphabet());
    for (std::size_t n = 1; n < library.size(); ++n) {
        EXPECT_TRUE(IsKey(library[n])) << "entry " << n;
        EXPECT_EQ(std::count(library[n].begin(), library[n].end(), DoubleQuote), 1)
            << "entry " << n;
    }
}

TEST(KeyLibrary, EntriesWithAnEmptySecondPieceEndWithTheDoubleQuote) {
    const auto& library = test::Library();
    for (const std::size_t n : {17U, 58U, 99U}) {
        EXPECT_EQ(library[n].back(), DoubleQuote) << "entry " << n;
    }
}

// A key equal to another, or to a turn of another, would make two key choices
// give the same cipher; the Alphabet counts as an entry here too.
TEST(KeyLibrary, NoEntryIsATurnOfAnother) {
    const auto& library = test::Library();
    std::unordered_map<std::u16string, std::size_t> owner;
    for (std::size_t n = 0; n < library.size(); ++n) {
        for (int turn = 0; turn < KeyLength; ++turn) {
            const auto [at, inserted] = owner.emplace(TurnKey(library[n], turn), n);
            EXPECT_TRUE(inserted) << "entry " << n << " turned by " << turn
                                  << " equals a turn of entry " << at->second;
        }
    }
}

TEST(KeyLibrary, FillingAgainGivesTheSameEntries) {
    KeyLibrary library;
    library.fill(u"left over");
    FillKeyLibrary(library);
    EXPECT_EQ(library, test::Library());
    FillKeyLibrary(library);
    EXPECT_EQ(library, test::Library());
}

}  // namespace
}  // namespace velk
