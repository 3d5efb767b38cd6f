#include "engine/passes.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/alphabet.h"
#include "engine/wipe.h"

// The passes work in Alphabet index space instead of searching and turning
// strings. A slot turned r times holds at 0-based position p the character its
// prepared text holds at (p + r) mod 100, so a look-up from slot s to slot t
// maps the character at prepared position q of slot s to the one at prepared
// position q - r_s + r_t of slot t. Written out with `at` (prepared position to
// index) and `where` (its inverse), all positions mod 100, d = r3 - r2 and
// e = r4 - r3, the forward chain takes Alphabet index a to
//
//   p = where2[at1[a + r1]]     where key 2 holds what key 1 gives
//   m = where3[at4[p + d + e]]  the middle look-up, from and to key 3; the
//                               inverse's is where4[at3[p + d]] - e
//   b = where1[at2[m - d]]      where key 1 holds what key 2 gives back
//   Alphabet[b - r1]
//
// The first and last tables stand still for the whole pass, and the middle one
// until key 3 or 4 turns, a few times a pass; d changes every 99 characters and
// r1 with every character, as mere offsets. So a character costs five
// look-ups (its index, three tables, the Alphabet), none waiting for the
// character before it.

namespace velk {

namespace {

using Index = std::uint8_t;
constexpr std::size_t Length = KeyLength;
using Table = std::array<Index, Length>;

constexpr char16_t Euro = u'\u20AC';

// Alphabet index + 1 of a code unit (0 for none), looked up by CodeSlot: the
// units below 256 each have their own entry, every other unit shares entry
// 256, except the euro sign (the one Alphabet character above 255), which has
// entry 257.
// A pass thus finds every character's code by comparisons and conditional
// moves, with no branch that the text would steer and the processor mispredict.
using CodeTable = std::array<Index, 258>;

inline std::size_t CodeSlot(char16_t c) {
    return c == Euro ? 257 : std::min<std::size_t>(c, 256);
}

const CodeTable& Codes() {
    static const CodeTable table = [] {
        CodeTable t{};
        const auto& alphabet = Alphabet();
        for (std::size_t i = 0; i < alphabet.size(); ++i) {
            t[CodeSlot(alphabet[i])] = static_cast<Index>(i + 1);
        }
        return t;
    }();
    return table;
}

inline int IndexOf(char16_t c) {
    return Codes()[CodeSlot(c)] - 1;
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

// The three tables of the chain above, indexed so that no position needs a
// division: toKey2 by a + 1 + r1 (a + 1 = 0 for a character outside the
// Alphabet, so that it finds an entry too), middle by p + d and fromKey2 by
// m - d + 100, with d in 0 to 99 and r1 up to 198, as it grows during a run of
// up to 100 characters.
struct Tables {
    std::array<Index, 3 * Length> toKey2{};
    std::array<Index, 2 * Length> middle{};
    std::array<Index, 2 * Length> fromKey2{};
};

// The middle look-up for key 3 turned by r3 and key 4 by r4.
void SetMiddle(Tables& tables, const Slots& s, Direction direction, int r3, int r4) {
    const auto e = static_cast<std::size_t>((r4 - r3 + KeyLength) % KeyLength);
    for (std::size_t q = 0; q < Length; ++q) {
        const Index m = direction == Direction::Forward
                            ? s.where[3][s.at[4][q + e]]
                            : static_cast<Index>((s.where[4][s.at[3][q]] + Length - e) % Length);
        tables.middle[q] = m;
        tables.middle[q + Length] = m;
    }
}

// What the characters of a run, during which keys 2 to 4 stand still, are
// looked up in: the tables offset by d, and toKey2 and the Alphabet by key 1's
// turn at the run's first character.
struct RunLookups {
    const CodeTable& codes;
    const Index* toKey2;
    const Index* middle;
    const Index* fromKey2;
    const char16_t* plain;
};

// True when every unit of [text, text + n) is below 256. A loop without a
// branch, which the compiler turns into vector instructions.
bool AllNarrow(const char16_t* text, std::size_t n) {
    unsigned units = 0;
    for (std::size_t j = 0; j < n; ++j) {
        units |= text[j];
    }
    return units < 256;
}

// Works n characters at `text` in place, `run` being offset to the first of
// them. Narrow, when every unit is below 256, saves folding the units into
// the code table's slots.
template <bool Narrow>
void WorkPiece(const RunLookups& run, char16_t* text, std::size_t n) {
    // Key 1 turns by one after each character: a step along toKey2 and one
    // back along the Alphabet.
    const Index* toKey2 = run.toKey2;
    const char16_t* plain = run.plain;
    // Unrolled: counting the loop is a fair share of so short a body.
#pragma GCC unroll 4
    for (std::size_t j = 0; j < n; ++j, ++toKey2, --plain) {
        const char16_t c = text[j];
        const unsigned code = run.codes[Narrow ? c : CodeSlot(c)];
        // Worked out for every character, kept for those in the Alphabet: a
        // mask, where a branch would mispredict at each character outside it.
        const char16_t worked = plain[run.fromKey2[run.middle[toKey2[code]]]];
        const unsigned keep = 0U - static_cast<unsigned>(code != 0);
        text[j] = static_cast<char16_t>((worked & keep) | (c & ~keep));
    }
}

// Works the n characters (up to 100) of a run at `text` in place, in pieces
// of up to 32: in a text with a unit above 255 now and then (a euro sign, a
// dash) most pieces still take the narrow way.
inline void WorkRun(RunLookups run, char16_t* text, std::size_t n) {
    constexpr std::size_t Piece = 32;
    while (n > 0) {
        const std::size_t k = std::min(n, Piece);
        if (AllNarrow(text, k)) {
            WorkPiece<true>(run, text, k);
        } else {
            WorkPiece<false>(run, text, k);
        }
        text += k;
        n -= k;
        run.toKey2 += k;
        run.plain -= k;
    }
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
    // The slots and the folded look-ups are the working keys turned by the
    // PIN: they go with the pass, as the copy of the text does.
    Slots slots = ReadSlots(state.workingKeys);
    const WipedAtEnd wipeSlots(slots);
    CheckCounters(state.counters);

    Tables tables;
    const WipedAtEnd wipeTables(tables);
    for (std::size_t y = 0; y < tables.toKey2.size(); ++y) {
        tables.toKey2[y] = slots.where[2][slots.at[1][(y + Length - 1) % Length]];
    }
    for (std::size_t w = 0; w < tables.fromKey2.size(); ++w) {
        tables.fromKey2[w] = slots.where[1][slots.at[2][w % Length]];
    }
    // Indexed by b - r1 + 200.
    std::array<char16_t, 3 * Length> alphabet{};
    const std::u16string& plain = Alphabet();
    for (std::size_t v = 0; v < alphabet.size(); ++v) {
        alphabet[v] = plain[v % Length];
    }
    const CodeTable& codes = Codes();

    std::u16string output = text2.ReadText();
    const WipedAtEnd wipeOutput(output);  // it takes the worked text below
    // With an empty buffer nothing can fail between taking the text out of
    // its holder and putting the result back, so a holder that keeps it in
    // memory may hand it over instead of a copy.
    const bool taken = output.empty();
    std::u16string text = taken ? text1.TakeText() : text1.ReadText();
    const WipedAtEnd wipeText(text);
    if (!FitsPass(text.size())) {
        if (taken) {
            text1.ReplaceText(std::move(text));
        }
        throw TextTooLong();
    }
    // The pass works the text in place: each character's result depends on
    // that character and its position alone.
    char16_t* at = text.data();

    StepCounters counters = state.counters;
    std::array<int, 5> turns{};  // how often each slot has turned in this pass
    SetMiddle(tables, slots, direction, turns[3], turns[4]);
    std::size_t left = text.size();
    while (left > 0) {
        // Until Count1 reaches 100 only key 1 turns.
        const std::size_t run = std::min<std::size_t>(left, KeyLength - counters.Count1);
        const auto r1 = static_cast<std::size_t>(turns[1]);
        const auto d = static_cast<std::size_t>((turns[3] - turns[2] + KeyLength) % KeyLength);
        WorkRun({codes, tables.toKey2.data() + r1, tables.middle.data() + d,
                 tables.fromKey2.data() + Length - d, alphabet.data() + 2 * Length - r1},
                at, run);
        at += run;
        turns[1] = static_cast<int>((r1 + run) % Length);
        left -= run;
        counters.Count1 = static_cast<std::int16_t>(counters.Count1 + run - 1);
        const unsigned turned = AdvanceStepCounters(counters);
        for (std::size_t s = 2; s <= 4; ++s) {
            if ((turned & (1U << s)) != 0) {
                turns[s] = (turns[s] + 1) % KeyLength;
            }
        }
        if ((turned & ((1U << 3) | (1U << 4))) != 0) {
            SetMiddle(tables, slots, direction, turns[3], turns[4]);
        }
    }

    const std::size_t length = text.size();
    if (taken) {
        output.swap(text);
    } else {
        output += text;
    }

    // The state the character-by-character procedure leaves behind.
    for (std::size_t s = 1; s <= 4; ++s) {
        Replace(state.workingKeys[s], TurnKey(state.workingKeys[s], turns[s]));
    }
    state.counters = counters;
    state.passState.Position = static_cast<std::int16_t>(length + 1);
    if (length > 0) {
        // The last look-up searched key 1 and found the output character at
        // its Alphabet place; a character outside the Alphabet was searched
        // in vain up to 101.
        const char16_t last = output.back();
        const int index = IndexOf(last);
        state.passState.SearchIndex =
            static_cast<std::int16_t>(index < 0 ? KeyLength + 1 : index + 1);
        state.passState.CurrentChar = std::u16string(1, last);
    }

    // Emptying the buffer first means a holder that fails leaves text1 intact;
    // an empty one stays as it is.
    if (!taken) {
        text2.ReplaceText(std::u16string());
    }
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
