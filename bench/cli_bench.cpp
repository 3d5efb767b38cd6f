// velk-encrypt-decrypt as a script meets it, from start to exit: the process
// started, the longest text a pass takes fed in, 256 passes, the result read
// back and the exit awaited. Beside it the start and exit alone (--version),
// so the cost of a process shows apart from the run's. And one pass over that
// text, also run in turn with `cat` of the same text, the least any program
// that hands a text on can cost, for the ratio of the two.
#include <benchmark/benchmark.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/mixed_text.h"
#include "cli/utf8.h"
#include "engine/passes.h"
#include "engine/run_input.h"

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace {

// The longest text a run takes, in UTF-8 with LF line breaks.
const std::string& Text() {
    static const std::string text =
        velk::cli::EncodeUtf8(velk::bench::MixedTextWithLf(velk::MaxTextLength));
    return text;
}

using Pipe = std::array<int, 2>;

Pipe OpenPipe() {
    Pipe ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) {
        std::abort();
    }
    return ends;
}

// Stops early when the program has closed the pipe without reading it all
// (--version reads neither the PIN nor the text): its exit status tells.
void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EPIPE) {
            return;
        }
        if (written < 0 && errno != EINTR) {
            std::abort();
        }
        bytes.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
}

// One run of the program `args` names first, found on PATH, with the PIN on
// descriptor 3 and `input` on standard input; gives what it wrote.
// velk-encrypt-decrypt reads all of its input before it writes, and `cat`'s
// output of a text smaller than a pipe holds (64 KiB) fits in the pipe, so
// feeding the input whole and then reading cannot deadlock.
std::string RunProgram(std::vector<std::string> args, std::string_view input) {
    const Pipe in = OpenPipe();
    const Pipe out = OpenPipe();
    const Pipe pin = OpenPipe();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pin[0], 3);
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::abort();
    }
    posix_spawn_file_actions_destroy(&actions);
    for (const int end : {in[0], out[1], pin[0]}) {
        close(end);
    }
    WriteAll(pin[1], "27182818\n");
    close(pin[1]);
    WriteAll(in[1], input);
    close(in[1]);
    std::string result;
    std::array<char, 65536> buffer{};
    while (true) {
        const ssize_t got = read(out[0], buffer.data(), buffer.size());
        if (got == 0) {
            break;
        }
        if (got < 0 && errno != EINTR) {
            std::abort();
        }
        result.append(buffer.data(), got < 0 ? 0 : static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::abort();
    }
    return result;
}

std::string RunCipher(std::vector<std::string> args, std::string_view input) {
    args.insert(args.begin(), VELK_CLI_PROGRAM);
    args.insert(args.end(), {"--pin-fd", "3"});
    return RunProgram(std::move(args), input);
}

void BM_WholeProcess256Passes(benchmark::State& state) {
    const std::vector<std::string> args{"--passes", std::to_string(velk::MaxPassCount)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCipher(args, Text()));
    }
    state.SetItemsProcessed(state.iterations() * velk::MaxTextLength * velk::MaxPassCount);
}

void BM_StartAndExit(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCipher({"--version"}, ""));
    }
}

void BM_WholeProcessOnePass(benchmark::State& state) {
    for (auto _ : state) {
        if (RunCipher({}, Text()) == Text()) {
            state.SkipWithError("the text came back unchanged");
            break;
        }
    }
}

// Each iteration runs the pass and `cat` once each, which of them first
// taking turns, so that the machine's changing pace weighs on both alike;
// `to_cat` is the time of the one over the time of the other.
void BM_OnePassAndCat(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    std::array<Clock::duration, 2> spent{};  // the pass's, cat's
    bool passFirst = true;
    for (auto _ : state) {
        for (const bool pass : {passFirst, !passFirst}) {
            const auto start = Clock::now();
            const bool unchanged =
                (pass ? RunCipher({}, Text()) : RunProgram({"cat"}, Text())) == Text();
            spent[pass ? 0 : 1] += Clock::now() - start;
            if (unchanged == pass) {
                state.SkipWithError(pass ? "the text came back unchanged" : "cat changed the text");
                return;
            }
        }
        passFirst = !passFirst;
    }
    state.counters["to_cat"] = std::chrono::duration<double>(spent[0]) / spent[1];
}

BENCHMARK(BM_WholeProcess256Passes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartAndExit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeProcessOnePass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OnePassAndCat)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // A program that ends without reading what it is sent closes the pipe:
    // the write then fails with EPIPE instead of ending this process.
    std::signal(SIGPIPE, SIG_IGN);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
