#include "engine/wipe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velk {
namespace {

// Each text of a list is overwritten where it lay, not only let go: its
// storage stays with the emptied string, and holds zeros.
TEST(Wipe, OverwritesEveryTextOfAList) {
    std::vector<std::u16string> texts{std::u16string(40, u'k'), std::u16string(40, u'q')};
    std::vector<const char16_t*> storage;
    storage.reserve(texts.size());
    for (const auto& text : texts) {
        storage.push_back(text.data());
    }
    Wipe(texts);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(texts[i].empty());
        EXPECT_EQ(std::u16string_view(storage[i], 40), std::u16string(40, u'\0'));
    }
}

}  // namespace
}  // namespace velk
