#include "engine/passes.h"

#include <array>
#include <cstdint>

#include "engine/alphabet.h"
#include "engine/wipe.h"

// The passes work in Alphabet index space instead of searching and turning
// strings. A slot turned r times holds at 0-based position p the character its
// prepared text holds at (p + r) mod 100, so a look-up from slot s to slot t
// maps the character at prepared position q of slot s to the one at prepared
// position q - r_s + r_t of slot t. Key 1 turns after every character; keys 2
// to 4 turn at most once every 99 characters, so the three middle look-ups are
// folded into one table that is rebuilt only when one of them turns.

namespace velk {

namespace {

using Index = std::uint8_t;
constexpr std::size_t Length = KeyLength;
using Table = std::array<Index, Length>;

enum class Direction : std::uint8_t { Forward, Inverse };

constexpr char16_t Euro = u'\u20AC';

// Alphabet index + 1 of every code unit below 256 (0 for none); the euro
// sign is the one Alphabet character above 255.
const std::array<Index, 256>& LowIndex() {
    static const std::array<Index, 256> table = [] {
        std::array<Index, 256> t{};
        const auto& alphabet = Alphabet();
        for (std::size_t i = 0; i < alphabet.size(); ++i) {
            if (alphabet[i] < 256) {
                t[alphabet[i]] = static_cast<Index>(i + 1);
            }
        }
        return t;
    }();
    return table;
}

constexpr int EuroIndex = 95;

inline int IndexOf(char16_t c, const std::array<Index, 256>& low) {
    if (c < 256) {
        return low[c] - 1;
    }
    return c == Euro ? EuroIndex : -1;
}

inline int IndexOf(char16_t c) {
    return IndexOf(c, LowIndex());
}

// The prepared slots as Alphabet indices: `at` holds each slot written out
// three times, so that a position shifted by up to 100 either way needs no
// division; `where` gives the position of each index.
struct Slots {
    std::array<std::array<Index, 3 * Length>, 5> at{};
    std::array<Table, 5> where{};
};

Slots ReadSlots(const KeySet& keys) {
    if (keys[0] != Alphabet()) {
        throw std::invalid_argument("working slot 0 is not the Alphabet");
    }
    Slots slots;
    for (std::size_t s = 0; s < keys.size(); ++s) {
        if (keys[s].size() != KeyLength) {
            throw std::invalid_argument("working slot is not a key");
        }
        std::array<bool, KeyLength> seen{};
        for (std::size_t p = 0; p < KeyLength; ++p) {
            const int index = IndexOf(keys[s][p]);
            if (index < 0 || seen[static_cast<std::size_t>(index)]) {
                throw std::invalid_argument("working slot is not a key");
            }
            seen[static_cast<std::size_t>(index)] = true;
            for (std::size_t copy = 0; copy < 3; ++copy) {
                slots.at[s][p + copy * KeyLength] = static_cast<Index>(index);
            }
            slots.where[s][static_cast<std::size_t>(index)] = static_cast<Index>(p);
        }
    }
    return slots;
}

void CheckCounters(const StepCounters& c) {
    for (const int count : {c.Count1, c.Count2, c.Count3}) {
        if (count < 0 || count > 99) {
            throw std::invalid_argument("step counter outside 0 to 99");
        }
    }
}

// Look-ups 2 to 4 of the chain, from the index key 1 gave to the index key 1
// is searched for, with slot s turned by turns[s].
Table MiddleLookups(const Slots& s, Direction direction, const std::array<int, 5>& turns) {
    const auto lookup = [&](std::size_t from, std::size_t to, Index index) {
        const int turned = s.where[from][index] + KeyLength - turns[from] + turns[to];
        return s.at[to][static_cast<std::size_t>(turned)];
    };
    Table middle{};
    for (std::size_t c1 = 0; c1 < KeyLength; ++c1) {
        const Index c2 = lookup(2, 3, static_cast<Index>(c1));
        const Index c3 = direction == Direction::Forward ? lookup(3, 4, c2) : lookup(4, 3, c2);
        middle[c1] = lookup(3, 2, c3);
    }
    return middle;
}

// Advances Count1 after a character; each counter that reaches 100 restarts
// at 1 and carries into the next. Returns the slots (2 to 4) whose key turns
// by one, as bit (1 << slot) each.
unsigned AdvanceStepCounters(StepCounters& counters) {
    unsigned turned = 0;
    ++counters.Count1;
    if (counters.Count1 == 100) {
        turned |= 1U << 2;
        counters.Count1 = 1;
        ++counters.Count2;
    }
    if (counters.Count2 == 100) {
        turned |= 1U << 3;
        counters.Count2 = 1;
        ++counters.Count3;
    }
    if (counters.Count3 == 100) {
        turned |= 1U << 4;
        counters.Count3 = 1;
    }
    return turned;
}

void RunPass(CipherState& state, TextHolder& text1, TextHolder& text2, Direction direction) {
    std::u16string text = text1.ReadText();
    const WipedAtEnd wipeText(text);
    if (!FitsPass(text.size())) {
        throw TextTooLong();
    }
    // The slots and the folded look-ups are the working keys turned by the
    // PIN: they go with the pass, as the copy of the text does.
    Slots slots = ReadSlots(state.workingKeys);
    const WipedAtEnd wipeSlots(slots);
    CheckCounters(state.counters);

    // The Alphabet written out twice, so that a position turned back by up
    // to 100 needs no division.
    std::array<char16_t, 2 * Length> alphabetTwice{};
    for (std::size_t p = 0; p < 2 * Length; ++p) {
        alphabetTwice[p] = Alphabet()[p % KeyLength];
    }
    const auto& low = LowIndex();

    std::u16string output = text2.ReadText();
    const std::size_t start = output.size();
    output.resize(start + text.size());
    const char16_t* in = text.data();
    char16_t* out = output.data() + start;

    // Enciphers n characters during which keys 2 to 4 stand still and key 1
    // does not come round to its prepared position again (r1 + n <= 100).
    const auto encipher = [&](std::size_t n, std::size_t r1, const Table& middle) {
        const Index* key1 = slots.at[1].data() + r1;
        const Index* where1 = slots.where[1].data();
        const char16_t* plain = alphabetTwice.data() + KeyLength - r1;
        for (std::ptrdiff_t j = 0; j < static_cast<std::ptrdiff_t>(n); ++j) {
            const char16_t c = in[j];
            const int index = IndexOf(c, low);
            out[j] = index < 0 ? c : plain[where1[middle[key1[index + j]]] - j];
        }
        in += n;
        out += n;
    };

    StepCounters counters = state.counters;
    std::array<int, 5> turns{};  // how often each slot has turned in this pass
    Table middle = MiddleLookups(slots, direction, turns);
    const WipedAtEnd wipeMiddle(middle);
    std::size_t left = text.size();
    while (left > 0) {
        // Until Count1 reaches 100 only key 1 turns.
        const std::size_t run = std::min<std::size_t>(left, KeyLength - counters.Count1);
        for (std::size_t done = 0; done < run;) {
            const auto r1 = static_cast<std::size_t>(turns[1]);
            const std::size_t n = std::min(run - done, KeyLength - r1);
            encipher(n, r1, middle);
            turns[1] = static_cast<int>((r1 + n) % KeyLength);
            done += n;
        }
        left -= run;
        counters.Count1 = static_cast<std::int16_t>(counters.Count1 + run - 1);
        const unsigned turned = AdvanceStepCounters(counters);
        if (turned != 0) {
            for (std::size_t s = 2; s <= 4; ++s) {
                if ((turned & (1U << s)) != 0) {
                    turns[s] = (turns[s] + 1) % KeyLength;
                }
            }
            middle = MiddleLookups(slots, direction, turns);
        }
    }

    // The state the character-by-character procedure leaves behind.
    for (std::size_t s = 1; s <= 4; ++s) {
        Replace(state.workingKeys[s], TurnKey(state.workingKeys[s], turns[s]));
    }
    state.counters = counters;
    state.passState.Position = static_cast<std::int16_t>(text.size() + 1);
    if (!text.empty()) {
        // The last look-up searched key 1 and found the output character at
        // its Alphabet place; a character outside the Alphabet was searched
        // in vain up to 101.
        const char16_t last = output.back();
        const int index = IndexOf(last);
        state.passState.SearchIndex =
            static_cast<std::int16_t>(index < 0 ? KeyLength + 1 : index + 1);
        state.passState.CurrentChar = std::u16string(1, last);
    }

    // Emptying the buffer first means a holder that fails leaves text1 intact.
    text2.ReplaceText(std::u16string());
    text1.ReplaceText(std::move(output));
}

}  // namespace

void ForwardPass(CipherState& state, TextHolder& text1, TextHolder& text2) {
    RunPass(state, text1, text2, Direction::Forward);
}

void InversePass(CipherState& state, TextHolder& text1, TextHolder& text2) {
    RunPass(state, text1, text2, Direction::Inverse);
}

}  // namespace velk
