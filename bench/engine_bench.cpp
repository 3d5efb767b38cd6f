// Pass speed over the longest text a pass takes, and how much faster the
// engine's pass is than the literal reference, measured in the same run.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "bench/mixed_text.h"
#include "engine/key_library.h"
#include "engine/key_preparation.h"
#include "engine/passes.h"
#include "tests/support/reference_cipher.h"
#include "tests/support/test_data.h"

namespace {

using namespace velk;

using PassFunction = void (*)(CipherState&, TextHolder&, TextHolder&);

const std::u16string Pin = u"98990042";
const std::array<std::u16string, 4> KeyTexts = {u"07", u"31", u"58", u"99"};

using test::Library;

const std::u16string& MixedText() {
    static const std::u16string text = bench::MixedText(MaxTextLength, u"\r\n");
    return text;
}

void SetPerCharacter(benchmark::State& state, std::int64_t charactersPerIteration) {
    state.SetItemsProcessed(state.iterations() * charactersPerIteration);
    state.counters["per_char"] = benchmark::Counter(
        static_cast<double>(charactersPerIteration),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A command of `passes` passes, each prepared afresh as a command does and
// each working on what the one before left; putting the text back into the
// holder is left out of the time.
void Passes(benchmark::State& state, PassFunction pass, int passes) {
    CipherState cipher;
    MemoryTextHolder text1;
    MemoryTextHolder text2;
    for (auto _ : state) {
        state.PauseTiming();
        text1.ReplaceText(MixedText());
        state.ResumeTiming();
        for (int n = 0; n < passes; ++n) {
            PreparePass(cipher, Library(), Pin, KeyTexts);
            pass(cipher, text1, text2);
        }
        benchmark::DoNotOptimize(text1);
    }
    SetPerCharacter(state, static_cast<std::int64_t>(MixedText().size()) * passes);
}

void BM_ForwardPass(benchmark::State& state) {
    Passes(state, &ForwardPass, 1);
}
void BM_InversePass(benchmark::State& state) {
    Passes(state, &InversePass, 1);
}
void BM_ReferenceForwardPass(benchmark::State& state) {
    Passes(state, &reference::ForwardPass, 1);
}
void BM_Run256Passes(benchmark::State& state) {
    Passes(state, &ForwardPass, MaxPassCount);
}

BENCHMARK(BM_ForwardPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InversePass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Run256Passes)->Unit(benchmark::kMillisecond);
// No fixed iteration count, so that --benchmark_min_time=0 (the tests' run)
// makes one iteration of it too.
BENCHMARK(BM_ReferenceForwardPass)->Unit(benchmark::kMillisecond);

// Keeps the real time per iteration of every benchmark it shows.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                seconds[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto fast = reporter.seconds.find("BM_ForwardPass");
    const auto slow = reporter.seconds.find("BM_ReferenceForwardPass");
    if (fast != reporter.seconds.end() && slow != reporter.seconds.end() && fast->second > 0) {
        std::printf(
            "\nOne forward pass over %zu characters: reference %.1f ms, engine %.1f us, ratio "
            "%.0f\n",
            MixedText().size(), slow->second * 1e3, fast->second * 1e6,
            slow->second / fast->second);
        std::fflush(stdout);
    }
    return 0;
}
