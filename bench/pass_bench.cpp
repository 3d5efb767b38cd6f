// One forward pass over the longest text a pass takes, timed with the
// standard clock alone, so that the same source runs natively and as
// WebAssembly under node: the two numbers compare the engine's speed in
// the pages with its speed in the desktop programs.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "bench/mixed_text.h"
#include "engine/key_library.h"
#include "engine/key_preparation.h"
#include "engine/passes.h"

int main() try {
    using namespace velk;
    using Clock = std::chrono::steady_clock;
    KeyLibrary library;
    FillKeyLibrary(library);
    const std::array<std::u16string, 4> keys = {u"07", u"31", u"58", u"99"};
    const std::u16string text = bench::MixedText(MaxTextLength, u"\r\n");
    CipherState state;
    MemoryTextHolder text1;
    MemoryTextHolder text2;
    // The median of many passes, after a few to warm up, each over the same text.
    constexpr int Warmup = 20;
    constexpr int Runs = 200;
    std::vector<double> micros;
    for (int run = 0; run < Warmup + Runs; ++run) {
        text1.ReplaceText(text);
        const auto start = Clock::now();
        PreparePass(state, library, u"98990042", keys);
        ForwardPass(state, text1, text2);
        const std::chrono::duration<double, std::micro> took = Clock::now() - start;
        if (run >= Warmup) {
            micros.push_back(took.count());
        }
    }
    std::sort(micros.begin(), micros.end());
    std::printf("forward pass over %d characters: median %.1f us, fastest %.1f us (%d passes)\n",
                MaxTextLength, micros[micros.size() / 2], micros.front(), Runs);
    return text1.ReadText().size() == text.size() ? 0 : 1;
} catch (const std::exception& e) {
    std::fprintf(stderr, "velk_pass_bench: %s\n", e.what());
    return 1;
}
