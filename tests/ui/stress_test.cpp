// 500 random runs through the second edition's window: encrypt then decrypt
// through the menu, random PINs, keys, pass counts and texts of random
// Unicode; the text comes back every time and the heap does not grow.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <random>
#include <string>

#include "tests/engine/cipher_runs.h"
#include "tests/ui/window_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
#define VELK_STRESS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELK_STRESS_ASAN 1
#endif
#endif
#ifdef VELK_STRESS_ASAN
#include <sanitizer/allocator_interface.h>
#endif

namespace velk::ui::testing {
namespace {

constexpr int Runs = 500;
constexpr int Hundred = 100;
// The most the heap in use may grow from the first hundred runs to the last.
constexpr std::size_t HeapGrowthBound = std::size_t{4} << 20;

// Bytes the program holds on the heap now. Under AddressSanitizer, whose
// allocator glibc does not see, its own count; else glibc's, mmapped blocks
// included.
std::size_t HeapInUse() {
#ifdef VELK_STRESS_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// The resident set, for the record only: freed memory need not leave it.
std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

double MiB(std::size_t bytes) {
    return static_cast<double>(bytes) / (1 << 20);
}

// Mostly short texts, a steady share of long ones and every fiftieth run at
// the longest length, so that both hundreds compared hold the longest texts
// and the run stays quick in the debug and sanitizer builds.
std::size_t TextLength(std::mt19937& random, int run) {
    if (run % 50 == 49) {
        return MaxTextLength;
    }
    const int share = std::uniform_int_distribution<int>(0, 99)(random);
    const auto within = [&](std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random);
    };
    if (share < 80) {
        return within(0, 512);
    }
    if (share < 95) {
        return within(513, 4096);
    }
    return within(4097, MaxTextLength);
}

// The engine tests' random text, with characters beyond the BMP (surrogate
// pairs) spliced in; it already holds lone surrogates, NBSP and line breaks.
std::u16string RandomUnicode(std::mt19937& random, std::size_t length) {
    std::u16string text = velk::test::RandomText(random, length);
    std::uniform_int_distribution<char32_t> beyond(0x10000, 0x10FFFF);
    std::uniform_int_distribution<int> share(0, 49);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (share(random) == 0) {
            const char32_t c = beyond(random) - 0x10000;
            text[i] = static_cast<char16_t>(0xD800 + (c >> 10));
            text[++i] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
    }
    return text;
}

// `text` as the box keeps it: CR LF, a lone CR, U+2029 and the two code
// points the box's document marks frames with (U+FDD0, U+FDD1) each become
// one LF; every other unit, lone surrogates included, stays.
QString AsTheBoxKeepsIt(const std::u16string& text) {
    QString kept;
    kept.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;
        }
        const bool lineBreak = c == u'\r' || c == u'\u2029' || c == u'\uFDD0' || c == u'\uFDD1';
        kept += lineBreak ? QChar(u'\n') : QChar(c);
    }
    return kept;
}

// Four distinct key numbers from 1 to 99.
std::array<int, 4> DistinctKeys(std::mt19937& random) {
    std::array<int, 99> numbers{};
    std::iota(numbers.begin(), numbers.end(), 1);
    std::array<int, 4> picked{};
    for (std::size_t i = 0; i < picked.size(); ++i) {
        std::uniform_int_distribution<std::size_t> from(i, numbers.size() - 1);
        std::swap(numbers[i], numbers[from(random)]);
        picked[i] = numbers[i];
    }
    return picked;
}

// Heap and resident figures of one hundred runs.
struct Hundreds {
    std::size_t heapPeak = 0;
    std::size_t residentPeak = 0;
    void Add(std::size_t heap, std::size_t resident) {
        heapPeak = std::max(heapPeak, heap);
        residentPeak = std::max(residentPeak, resident);
    }
};

TEST_F(WindowTest, FiveHundredRandomRunsGiveTheTextBackWithoutHeapGrowth) {
    std::mt19937 random(20260704);
    std::uniform_int_distribution<int> passCount(1, MaxPassCount);
    Hundreds first;
    Hundreds last;
    for (int run = 0; run < Runs; ++run) {
        const std::u16string raw = RandomUnicode(random, TextLength(random, run));
        const QString plain = AsTheBoxKeepsIt(raw);
        const QString pin = QString::fromStdU16String(velk::test::RandomPin(random));
        const std::array<int, 4> keys = DistinctKeys(random);
        const int passes = passCount(random);
        SCOPED_TRACE("run " + std::to_string(run) + ": " + std::to_string(plain.size()) +
                     " units, PIN " + pin.toStdString() + ", keys " + std::to_string(keys[0]) +
                     " " + std::to_string(keys[1]) + " " + std::to_string(keys[2]) + " " +
                     std::to_string(keys[3]) + ", " + std::to_string(passes) + " passes");

        SetBoxContents(QString::fromStdU16String(raw));
        ASSERT_EQ(BoxContents(), plain);
        Pin().setText(pin);
        std::array<QString, 4> keyTexts;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            keyTexts[i] = ListText(keys[i]);
            List(("Kk" + std::to_string(i + 1)).c_str()).setCurrentText(keyTexts[i]);
        }
        List("Combo1").setCurrentText(ListText(passes));
        desktop.eventRounds = 0;

        Action("EncryptTxt").trigger();
        const QString cipher = BoxContents();
        ASSERT_EQ(cipher.size(), plain.size());
        if (plain.size() >= 32) {
            EXPECT_NE(cipher, plain);
        }
        if (run % 25 == 0) {  // the window works with exactly the keys picked
            EXPECT_EQ(cipher, EngineRun(plain, pin, keyTexts, passes, true));
        }
        Action("DecryptTxt").trigger();
        ASSERT_EQ(BoxContents(), plain);
        ASSERT_TRUE(desktop.messages.empty()) << desktop.messages.front().text.toStdString();
        ASSERT_EQ(desktop.eventRounds, 2 * passes);

        if (run < Hundred) {
            first.Add(HeapInUse(), ResidentBytes());
        } else if (run >= Runs - Hundred) {
            last.Add(HeapInUse(), ResidentBytes());
        }
    }
    std::printf(
        "heap peak: first hundred %.2f MiB, last hundred %.2f MiB (bound +%.0f MiB); "
        "resident peak: first %.1f MiB, last %.1f MiB\n",
        MiB(first.heapPeak), MiB(last.heapPeak), MiB(HeapGrowthBound), MiB(first.residentPeak),
        MiB(last.residentPeak));
    EXPECT_LE(last.heapPeak, first.heapPeak + HeapGrowthBound);
}

}  // namespace
}  // namespace velk::ui::testing
